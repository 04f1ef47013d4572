// POSIX: reading files, the current directory and names in another letter case.
#include "platform/FileSystem.h"
#include "platform/posix/Folders.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::platform {

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

bool readOnly(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0;
}

bool makeFolder(const std::string& path) {
  struct stat st {};
  return mkdir(path.c_str(), 0777) == 0 ||
         (errno == EEXIST && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
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

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::vector<std::string> entriesMatching(const std::string& folder, std::string_view name) {
  std::vector<std::string> found;
  if (DIR* dir = opendir(posix::orCurrent(folder))) {
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

} // namespace fw::platform
