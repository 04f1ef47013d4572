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
#include "platform/Wide.h"

#include <random>
#else
#include <atomic>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
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

// A write's temporary file is hidden and named after its target and the program, so that nothing
// but this program's own leftovers ever matches: "." + target + ".fleetwick-" + six letters or digits.
constexpr std::string_view kTemporaryMark = ".fleetwick-";
constexpr std::size_t kTemporaryRandom = 6;

bool isTemporaryName(std::string_view name) {
  const std::size_t tail = kTemporaryMark.size() + kTemporaryRandom;
  if (name.size() <= tail + 1 || name.front() != '.') return false;
  const std::string_view random = name.substr(name.size() - kTemporaryRandom);
  return name.substr(name.size() - tail, kTemporaryMark.size()) == kTemporaryMark &&
         std::all_of(random.begin(), random.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
         });
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

namespace {

bool isFolder(const std::wstring& path) {
  const DWORD attr = GetFileAttributesW(path.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::optional<FileBytes> readFile(const std::string& path) {
  const std::wstring name = widePath(path);
  if (isFolder(name)) return std::nullopt; // refused at once, never waited for as a held file
  // Delete sharing: a program replacing the file meanwhile is never kept from it by this read.
  HANDLE h = INVALID_HANDLE_VALUE;
  retryWhileHeld(
      [&] {
        h = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return h != INVALID_HANDLE_VALUE;
      },
      kSharingPatience);
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

namespace {

// The temporary file beside the target, created new and opened without sharing: until it is
// closed, no other program can open or remove it.
HANDLE createTemporary(const std::wstring& target, std::wstring& temp) {
  const std::size_t slash = target.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
  const std::wstring base = slash == std::wstring::npos ? target : target.substr(slash + 1);
  static std::mt19937 random(std::random_device{}() ^ GetCurrentProcessId());
  const wchar_t letters[] = L"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = folder + L"." + base + std::wstring(kTemporaryMark.begin(), kTemporaryMark.end());
    for (std::size_t i = 0; i < kTemporaryRandom; ++i)
      temp += letters[random() % 62];
    HANDLE h =
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
  }
  return INVALID_HANDLE_VALUE;
}

} // namespace

WriteResult writeFile(const std::string& path, std::span<const std::string_view> lines,
                      std::string_view lineEnd, Existing existing) {
  const std::wstring target = widePath(path);
  DWORD attr = GetFileAttributesW(target.c_str());
  if (attr != INVALID_FILE_ATTRIBUTES && existing == Existing::Keep) return WriteResult::Exists;
  if (attr != INVALID_FILE_ATTRIBUTES && (attr & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return WriteResult::Failed;
  std::wstring temp;
  HANDLE h = createTemporary(target, temp);
  if (h == INVALID_HANDLE_VALUE) return WriteResult::Failed;
  bool ok = GetFileType(h) == FILE_TYPE_DISK && writeLines(lines, lineEnd, [h](std::string_view bytes) {
              for (std::size_t done = 0; done < bytes.size();) {
                DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
                DWORD wrote = 0;
                if (!WriteFile(h, bytes.data() + done, part, &wrote, nullptr) || wrote != part) return false;
                done += wrote;
              }
              return true;
            });
  ok = FlushFileBuffers(h) && ok;
  CloseHandle(h);
  if (ok && attr != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(temp.c_str(), attr & ~FILE_ATTRIBUTE_NORMAL);
  // Without MOVEFILE_REPLACE_EXISTING the move fails on a file that appeared meanwhile. A target
  // that another program holds open cannot be replaced until it lets go.
  const DWORD replace = existing == Existing::Replace ? MOVEFILE_REPLACE_EXISTING : 0;
  const auto move = [&] {
    return MoveFileExW(temp.c_str(), target.c_str(), replace | MOVEFILE_WRITE_THROUGH) != 0;
  };
  if (ok && retryWhileHeld(move, kSharingPatience)) return WriteResult::Written;
  const bool appeared = ok && (GetLastError() == ERROR_ALREADY_EXISTS || GetLastError() == ERROR_FILE_EXISTS);
  DeleteFileW(temp.c_str());
  return appeared ? WriteResult::Exists : WriteResult::Failed;
}

void removeStaleTemporaries(const std::string& folder) {
  std::wstring dir = widePath(folder);
  if (!dir.ends_with(L'\\')) dir += L'\\';
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((dir + L".*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    // A live writer's temporary file is open without sharing: removing it fails.
    if (isTemporaryName(narrow(entry.cFileName)) && !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      DeleteFileW((dir + entry.cFileName).c_str());
  } while (FindNextFileW(find, &entry));
  FindClose(find);
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
  return stat(path.c_str(), &st) == 0;
}

std::optional<FileBytes> readFile(const std::string& path) {
  // Without O_NONBLOCK opening a FIFO waits for a writer that may never come.
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return std::nullopt;
  }
  // The size is only a hint: the file may change while it is read, and some (/proc) report none.
  FileBytes bytes;
  bool ok = bytes.reserve(static_cast<std::size_t>(st.st_size) + 1);
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

// The temporary file being written, for a signal that ends the process to remove. A handler may
// only read it, and only while `temporaryNamed` says it is whole.
char temporaryPath[PATH_MAX + 64];
volatile std::sig_atomic_t temporaryNamed = 0;

void removeTemporaryAndEnd(int signal) {
  if (temporaryNamed) unlink(temporaryPath);
  // The handler was reset on entry: the signal ends the process as it would have.
  raise(signal);
}

// Once per process, and only for the signals whose default is still in force: one the program
// ignores (a background job's SIGINT) or handles stays as it is.
void removeTemporaryOnSignals() {
  static const bool installed = [] {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction old {};
      if (sigaction(signal, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) || old.sa_handler != SIG_DFL)
        continue;
      struct sigaction cleanup {};
      cleanup.sa_handler = removeTemporaryAndEnd;
      cleanup.sa_flags = SA_RESETHAND;
      sigemptyset(&cleanup.sa_mask);
      sigaction(signal, &cleanup, nullptr);
    }
    return true;
  }();
  (void)installed;
}

void nameTemporary(const std::string& path) {
  temporaryNamed = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  if (path.size() >= sizeof temporaryPath) return;
  std::memcpy(temporaryPath, path.c_str(), path.size() + 1);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  temporaryNamed = 1;
}

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
  std::string temp = folder + "." + base + std::string(kTemporaryMark) + std::string(kTemporaryRandom, 'X');
  removeTemporaryOnSignals();
  int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return WriteResult::Failed;
  nameTemporary(temp);
  // Locked while it is written, so that removeStaleTemporaries() tells it from a dead writer's.
  bool ok = flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            writeLines(lines, lineEnd, [fd](std::string_view bytes) { return writeAll(fd, bytes); }) &&
            fchmod(fd, mode) == 0 && fsync(fd) == 0;
  bool exists = false;
  if (ok) {
    ok = existing == Existing::Replace ? rename(temp.c_str(), target.c_str()) == 0
                                       : renameNoReplace(temp, target, exists);
  }
  if (!ok) unlink(temp.c_str());
  temporaryNamed = 0;
  close(fd); // the bytes reached the disk with fsync; closing only releases the lock
  if (!ok) return exists ? WriteResult::Exists : WriteResult::Failed;
  int dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return WriteResult::Written;
}

void removeStaleTemporaries(const std::string& folder) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  while (const dirent* entry = readdir(dir)) {
    if (!isTemporaryName(entry->d_name)) continue;
    const std::string path = folder + "/" + entry->d_name;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) continue;
    struct stat st {};
    // A lock that can be taken is one no live writer holds.
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0) unlink(path.c_str());
    close(fd);
  }
  closedir(dir);
}

#endif

} // namespace fw::platform
