// Windows only: the wide-character calls take UTF-16, the rest of the program holds UTF-8. Paths go
// through widePath() so that any folder name works, however long, on any system code page.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>
#include <thread>

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

// The full path, which also folds the program's doubled separators; past MAX_PATH with the prefix
// \\?\ that lifts that limit without the system's long-path setting.
inline std::wstring widePath(const std::string& path) {
  const std::wstring given = wide(path);
  DWORD size = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
  if (size == 0) return given;
  std::wstring full(size, L'\0');
  DWORD got = GetFullPathNameW(given.c_str(), size, full.data(), nullptr);
  if (got == 0 || got >= size) return given;
  full.resize(got);
  if (full.size() < MAX_PATH - 12 || full.starts_with(L"\\\\?\\")) return full;
  return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

// Another program's open handle on a file refuses sharing for as long as it holds it, and a file
// being replaced cannot be opened for a moment: both pass, so the call is tried again for a while.
inline bool heldByAnother(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

// Calls `attempt` until it succeeds, fails for another reason than a hold, or `patience` has passed.
template <class Attempt> bool retryWhileHeld(Attempt attempt, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (!attempt()) {
    if (!heldByAnother(GetLastError()) || std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

} // namespace fw::platform

#endif
