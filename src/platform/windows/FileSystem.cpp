// Windows: reading files and the current directory through the wide-character calls.
#include "platform/FileSystem.h"
#include "platform/windows/Wide.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace fw::platform {

FileBytes::~FileBytes() { std::free(data_); }

bool FileBytes::reserve(std::size_t capacity) {
  char* grown = static_cast<char*>(std::realloc(data_, capacity));
  if (!grown) return false;
  data_ = grown;
  capacity_ = capacity;
  return true;
}

std::string currentDirectory() {
  DWORD size = GetCurrentDirectoryW(0, nullptr);
  if (size == 0) throw std::runtime_error("Cannot get the current directory");
  std::wstring dir(size, L'\0');
  DWORD got = GetCurrentDirectoryW(size, dir.data());
  if (got == 0 || got >= size) throw std::runtime_error("Cannot get the current directory");
  dir.resize(got);
  return narrow(dir);
}

bool fileExists(const std::string& path) {
  return GetFileAttributesW(widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool readOnly(const std::string& path) {
  const DWORD attr = GetFileAttributesW(widePath(path).c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_READONLY) &&
         !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeFolder(const std::string& path) {
  const std::wstring name = widePath(path);
  if (CreateDirectoryW(name.c_str(), nullptr)) return true;
  const DWORD attr = GetFileAttributesW(name.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

// Windows tells letter case apart in no file name.
ResolvedPath resolveCase(const std::string& path) { return {path, {}}; }

std::optional<FileBytes> readFile(const std::string& path) {
  const std::wstring name = widePath(path);
  const DWORD attr = GetFileAttributesW(name.c_str());
  // A folder is refused at once, never waited for as a held file.
  if (attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  // Delete sharing: a program replacing the file meanwhile is never kept from it by this read.
  HANDLE h = INVALID_HANDLE_VALUE;
  shared::retryWhileHeld(kSharingPatience, [&] {
    h = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return outcome(h != INVALID_HANDLE_VALUE);
  });
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  FileBytes bytes;
  bool ok = GetFileType(h) == FILE_TYPE_DISK && GetFileSizeEx(h, &size) &&
            bytes.reserve(static_cast<std::size_t>(size.QuadPart) + 1);
  for (DWORD got = 1; ok && got > 0;) {
    if (bytes.size_ == bytes.capacity_) ok = bytes.reserve(bytes.capacity_ * 2);
    DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.capacity_ - bytes.size_, 1u << 30));
    ok = ok && ReadFile(h, bytes.data_ + bytes.size_, part, &got, nullptr);
    bytes.size_ += got;
  }
  CloseHandle(h);
  if (!ok) return std::nullopt;
  return bytes;
}

} // namespace fw::platform
