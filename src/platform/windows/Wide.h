// Inside the Windows room only: the wide-character calls take UTF-16, the rest of the program holds
// UTF-8. Paths go through widePath() so that any folder name works, however long, on any system
// code page.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/Shared.h"

#include <string>
#include <string_view>

namespace fw::platform {

inline std::wstring wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  std::wstring out(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
                   L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), static_cast<int>(out.size()));
  return out;
}

inline std::string narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string out(static_cast<std::size_t>(
                      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
                  '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()), nullptr,
                      nullptr);
  return out;
}

// The full path, which also folds the program's doubled separators, always in the \\?\ form that
// lifts MAX_PATH without the system's long-path setting: a path that is short enough now may not
// be once a file's name is added to it. Device paths (\\.\) stay as they are.
inline std::wstring widePath(const std::string& path) {
  const std::wstring given = wide(path);
  DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
  if (size == 0) return given;
  std::wstring full(size, L'\0');
  DWORD got = GetFullPathNameW(given.c_str(), size, full.data(), nullptr);
  if (got == 0 || got >= size) return given;
  full.resize(got);
  if (full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) return full;
  return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

// Another program's open handle on a file refuses sharing for as long as it holds it, and a file
// being replaced cannot be opened for a moment: both pass, so the call is worth trying again.
inline shared::Attempt outcome(bool done) {
  if (done) return shared::Attempt::Done;
  const DWORD error = GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED
             ? shared::Attempt::Held
             : shared::Attempt::Failed;
}

} // namespace fw::platform
