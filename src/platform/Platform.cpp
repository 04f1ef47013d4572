// POSIX and Win32 implementations of the file and directory services.
#include "platform/Platform.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <limits.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fw::platform {

std::string nativeLiteral(std::string_view literal) {
  std::string out(literal);
#ifndef _WIN32
  for (char& c : out)
    if (c == '\\') c = '/';
#endif
  return out;
}

namespace {

// Gathers the lines and their ends into large writes, so that a file of a million lines needs
// neither a million writes nor a copy of itself in memory.
template <class Write>
bool writeLines(std::span<const std::string_view> lines, std::string_view lineEnd, Write write) {
  constexpr std::size_t kChunk = 1 << 20;
  std::string chunk;
  chunk.reserve(kChunk);
  for (std::string_view line : lines) {
    if (chunk.size() + line.size() + lineEnd.size() > kChunk) {
      if (!write(std::string_view(chunk))) return false;
      chunk.clear();
    }
    if (line.size() + lineEnd.size() > kChunk) {
      if (!write(line)) return false;
    } else {
      chunk += line;
    }
    chunk += lineEnd;
  }
  return chunk.empty() || write(std::string_view(chunk));
}

} // namespace

FileBytes::FileBytes(FileBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
  if (this != &other) {
    FileBytes gone(std::move(*this));
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

#ifdef _WIN32

FileBytes::~FileBytes() { std::free(data_); }

bool FileBytes::reserve(std::size_t capacity) {
  char* grown = static_cast<char*>(std::realloc(data_, capacity));
  if (!grown) return false;
  data_ = grown;
  capacity_ = capacity;
  return true;
}

std::string currentDirectory() {
  DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) throw std::runtime_error("Cannot get the current directory");
  std::string dir(size, '\0');
  DWORD got = GetCurrentDirectoryA(size, dir.data());
  if (got == 0 || got >= size) throw std::runtime_error("Cannot get the current directory");
  dir.resize(got);
  return dir;
}

bool fileExists(const std::string& path) {
  DWORD attr = GetFileAttributesA(path.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<FileBytes> readFile(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  FileBytes bytes;
  bool ok = GetFileSizeEx(h, &size) && bytes.reserve(static_cast<std::size_t>(size.QuadPart) + 1);
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

static std::string folderOf(const std::string& path) {
  auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

WriteResult writeFile(const std::string& path, std::span<const std::string_view> lines,
                      std::string_view lineEnd, Existing existing) {
  DWORD attr = GetFileAttributesA(path.c_str());
  if (attr != INVALID_FILE_ATTRIBUTES && existing == Existing::Keep) return WriteResult::Exists;
  if (attr != INVALID_FILE_ATTRIBUTES && (attr & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return WriteResult::Failed;
  char temp[MAX_PATH];
  if (GetTempFileNameA(folderOf(path).c_str(), "fwk", 0, temp) == 0) return WriteResult::Failed;
  HANDLE h = CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    DeleteFileA(temp);
    return WriteResult::Failed;
  }
  bool ok = writeLines(lines, lineEnd, [h](std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
      DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
      DWORD wrote = 0;
      if (!WriteFile(h, bytes.data() + done, part, &wrote, nullptr) || wrote != part) return false;
      done += wrote;
    }
    return true;
  });
  ok = ok && FlushFileBuffers(h);
  CloseHandle(h);
  if (ok && attr != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(temp, attr & ~FILE_ATTRIBUTE_NORMAL);
  // Without MOVEFILE_REPLACE_EXISTING the move fails on a file that appeared meanwhile.
  const DWORD replace = existing == Existing::Replace ? MOVEFILE_REPLACE_EXISTING : 0;
  if (ok && MoveFileExA(temp, path.c_str(), replace | MOVEFILE_WRITE_THROUGH)) return WriteResult::Written;
  const bool appeared = ok && GetLastError() == ERROR_ALREADY_EXISTS;
  DeleteFileA(temp);
  return appeared ? WriteResult::Exists : WriteResult::Failed;
}

#else

FileBytes::~FileBytes() {
  if (data_) munmap(data_, capacity_);
}

bool FileBytes::reserve(std::size_t capacity) {
  // Mapped and populated in one call: faulting the pages in one by one as read() fills them
  // costs more than reading the file.
  void* grown =
      mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  if (grown == MAP_FAILED) return false;
  if (data_) {
    std::memcpy(grown, data_, size_);
    munmap(data_, capacity_);
  }
  data_ = static_cast<char*>(grown);
  capacity_ = capacity;
  return true;
}

std::string currentDirectory() {
  std::vector<char> buf(PATH_MAX);
  while (getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) throw std::runtime_error("Cannot get the current directory");
    buf.resize(buf.size() * 2);
  }
  return std::string(buf.data());
}

bool fileExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<FileBytes> readFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  // The size is only a hint: the file may change while it is read.
  std::size_t expected =
      fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
  FileBytes bytes;
  bool ok = bytes.reserve(expected + 1);
  while (ok) {
    if (bytes.size_ == bytes.capacity_ && !bytes.reserve(bytes.capacity_ * 2)) {
      ok = false;
      break;
    }
    ssize_t got = read(fd, bytes.data_ + bytes.size_, bytes.capacity_ - bytes.size_);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    bytes.size_ += static_cast<std::size_t>(got);
  }
  close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

namespace {

// The file a write lands on: a symbolic link is followed, so the link stays a link.
std::string resolveTarget(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = realpath(path.c_str(), nullptr)) {
      std::string out(real);
      free(real);
      return out;
    }
  }
  return path;
}

bool writeAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t wrote = write(fd, p, left);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    p += wrote;
    left -= static_cast<std::size_t>(wrote);
  }
  return true;
}

mode_t newFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Gives the written temporary file the target's name without ever replacing a file: renameat2 where
// the system has it (any file system), else a hard link.
bool renameNoReplace(const std::string& temp, const std::string& target, bool& exists) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) {
    exists = errno == EEXIST;
    return false;
  }
#endif
  if (link(temp.c_str(), target.c_str()) != 0) {
    exists = errno == EEXIST;
    return false;
  }
  unlink(temp.c_str());
  return true;
}

} // namespace

WriteResult writeFile(const std::string& path, std::span<const std::string_view> lines,
                      std::string_view lineEnd, Existing existing) {
  const std::string target = resolveTarget(path);
  struct stat st {};
  mode_t mode = newFileMode();
  if (lstat(path.c_str(), &st) == 0 && existing == Existing::Keep) return WriteResult::Exists;
  if (stat(target.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return WriteResult::Failed;
    if ((st.st_mode & 0222) == 0) return WriteResult::Failed; // read-only, even for root
    mode = st.st_mode & 07777;
  }
  auto slash = target.find_last_of('/');
  std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temp = folder + "." + base + ".XXXXXX";
  int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return WriteResult::Failed;
  bool ok = writeLines(lines, lineEnd, [fd](std::string_view bytes) { return writeAll(fd, bytes); }) &&
            fchmod(fd, mode) == 0 && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  bool exists = false;
  if (ok) {
    ok = existing == Existing::Replace ? rename(temp.c_str(), target.c_str()) == 0
                                       : renameNoReplace(temp, target, exists);
  }
  if (!ok) {
    unlink(temp.c_str());
    return exists ? WriteResult::Exists : WriteResult::Failed;
  }
  int dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return WriteResult::Written;
}

#endif

} // namespace fw::platform
