// What lets game folders be shared: by Windows and Linux (letter case in file names) and by
// several copies of the program at once (a lock per game folder).
#include "platform/Platform.h"

#include <thread>

#ifdef _WIN32
#include "platform/Wide.h"
#else
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fw::platform {

namespace {

// Retries fn until it holds or the patience is spent.
template <class Try> bool retry(std::chrono::milliseconds patience, Try tryOnce) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (!tryOnce()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

} // namespace

#ifdef _WIN32

ResolvedPath resolveCase(const std::string& path) { return {path, {}}; }

FileLock::~FileLock() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_)); // closing releases the lock
}

FileLock::Result FileLock::lock(const std::string& path, std::chrono::milliseconds patience) {
  const std::wstring name = widePath(path);
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE h = INVALID_HANDLE_VALUE;
  // A lock file with the read-only attribute is locked through a handle that only reads it.
  for (DWORD access : {GENERIC_READ | GENERIC_WRITE, DWORD{GENERIC_READ}}) {
    retryWhileHeld(
        [&] {
          h = CreateFileW(name.c_str(), access, share, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
          return h != INVALID_HANDLE_VALUE || GetLastError() == ERROR_ACCESS_DENIED;
        },
        kSharingPatience);
    if (h != INVALID_HANDLE_VALUE) break;
  }
  if (h == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_PATH_NOT_FOUND ? Result::NoFolder : Result::Failed;
  handle_ = reinterpret_cast<std::intptr_t>(h);
  if (GetFileType(h) != FILE_TYPE_DISK) return Result::Failed;
  bool held = retry(patience, [h] {
    OVERLAPPED at{};
    return LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
  });
  return held ? Result::Held : Result::Busy;
}

#else

namespace {

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::vector<std::string> entriesMatching(const std::string& folder, std::string_view name) {
  std::vector<std::string> found;
  if (DIR* dir = opendir(folder.empty() ? "." : folder.c_str())) {
    while (const dirent* entry = readdir(dir))
      if (sameIgnoringAsciiCase(entry->d_name, name)) found.emplace_back(entry->d_name);
    closedir(dir);
  }
  return found;
}

} // namespace

ResolvedPath resolveCase(const std::string& path) {
  ResolvedPath out;
  bool missing = false; // below a folder that does not exist nothing can be looked up
  for (std::size_t at = 0; at < path.size();) {
    const std::size_t slash = path.find('/', at);
    const std::size_t end = slash == std::string::npos ? path.size() : slash;
    const std::string name = path.substr(at, end - at);
    struct stat st {};
    if (!missing && !name.empty() && name != "." && name != ".." &&
        lstat((out.path + name).c_str(), &st) != 0 && errno == ENOENT) {
      std::vector<std::string> found = entriesMatching(out.path, name);
      if (found.size() > 1) return {path, std::move(found)};
      missing = found.empty();
      out.path += missing ? name : found.front();
    } else {
      out.path += name;
    }
    if (slash == std::string::npos) break;
    out.path += '/';
    at = slash + 1;
  }
  return out;
}

FileLock::~FileLock() {
  if (handle_ != -1) close(static_cast<int>(handle_)); // closing releases the lock
}

FileLock::Result FileLock::lock(const std::string& path, std::chrono::milliseconds patience) {
  // flock() takes a read-only descriptor too: a lock file that an earlier run made as another
  // user, writable by that user only, still serves everyone who may read it. O_NONBLOCK: a FIFO in
  // its place must not keep the open waiting.
  const int flags = O_CLOEXEC | O_NONBLOCK;
  int fd = open(path.c_str(), O_RDWR | O_CREAT | flags, 0666);
  if (fd < 0 && (errno == EACCES || errno == EROFS)) fd = open(path.c_str(), O_RDONLY | flags);
  if (fd < 0) {
    // Only a missing folder lets the caller go on: a dangling link in the file's place does not.
    const bool missing = errno == ENOENT;
    struct stat folder {};
    const std::string parent = path.substr(0, path.find_last_of('/') + 1);
    return missing && stat(parent.empty() ? "." : parent.c_str(), &folder) != 0 ? Result::NoFolder
                                                                                : Result::Failed;
  }
  handle_ = fd;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return Result::Failed;
  bool held = retry(patience, [fd] { return flock(fd, LOCK_EX | LOCK_NB) == 0; });
  return held ? Result::Held : Result::Busy;
}

#endif

} // namespace fw::platform
