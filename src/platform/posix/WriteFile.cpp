// POSIX: whole files written through a temporary file beside them, and what killed writers left
// cleared away.
#include "platform/FileSystem.h"
#include "platform/Shared.h"
#include "platform/posix/Folders.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::platform {
namespace {

using posix::folderOf;
using posix::orCurrent;
using shared::Attempt;

// The temporary file being written, for a signal that ends the process to remove. The flag
// publishes the path: whoever reads it true (acquire) sees the path written before (release).
char temporaryPath[PATH_MAX + 64];
std::atomic<bool> temporaryNamed{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler reads it");

void removeTemporaryAndEnd(int signal) {
  if (temporaryNamed.load(std::memory_order_acquire)) unlink(temporaryPath);
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

void forgetTemporary() { temporaryNamed.store(false, std::memory_order_release); }

void nameTemporary(const std::string& path) {
  // Withdrawn before it is overwritten: no later write to the path moves above an acquire.
  temporaryNamed.exchange(false, std::memory_order_acq_rel);
  if (path.size() >= sizeof temporaryPath) return;
  std::memcpy(temporaryPath, path.c_str(), path.size() + 1);
  temporaryNamed.store(true, std::memory_order_release);
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

// Only a regular file with a write bit may be replaced: one with none is read-only to the players,
// even where root could write it.
bool refused(const struct stat& st) { return !S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0; }

bool sameFile(int fd, const std::string& path) {
  struct stat open {
  }, named{};
  return fstat(fd, &open) == 0 && stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
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

// The temporary file, created and then locked for as long as it is written: a sweep leaves a
// locked file alone. A sweep that came between the creation and the lock has removed it, which its
// name then shows: another is made. Where the file system refuses locks, it refuses every sweep too.
int createLockedTemporary(const std::string& folder, const std::string& base, std::string& temp) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    temp = folder + shared::temporaryStem(base) + std::string(shared::kTemporaryRandom, 'X');
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    nameTemporary(temp);
    const Attempt locked =
        shared::retryWhileHeld(kSharingPatience, [fd] { return shared::tryExclusiveLock(fd); });
    if (locked != Attempt::Held && sameFile(fd, temp)) return fd;
    forgetTemporary();
    close(fd);
  }
  return -1;
}

} // namespace

WriteResult writeFile(const std::string& path, std::span<const std::string_view> lines,
                      std::string_view lineEnd, Existing existing) {
  const std::string target = resolveTarget(path);
  struct stat st {};
  mode_t mode = newFileMode();
  if (lstat(path.c_str(), &st) == 0 && existing == Existing::Keep) return WriteResult::Exists;
  if (stat(target.c_str(), &st) == 0) {
    if (refused(st)) return WriteResult::Failed;
    mode = st.st_mode & 07777;
  }
  const std::string folder = folderOf(target);
  removeTemporaryOnSignals();
  std::string temp;
  const int fd = createLockedTemporary(folder, target.substr(folder.size()), temp);
  if (fd < 0) return WriteResult::Failed;
  bool ok =
      shared::writeLines(lines, lineEnd, [fd](std::string_view bytes) { return writeAll(fd, bytes); }) &&
      fchmod(fd, mode) == 0 && fsync(fd) == 0;
  bool exists = false;
  if (ok) {
    ok = existing == Existing::Replace ? rename(temp.c_str(), target.c_str()) == 0
                                       : renameNoReplace(temp, target, exists);
  }
  if (!ok) unlink(temp.c_str());
  forgetTemporary();
  close(fd); // the bytes reached the disk with fsync; closing only releases the lock
  if (!ok) return exists ? WriteResult::Exists : WriteResult::Failed;
  int dir = open(orCurrent(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return WriteResult::Written;
}

bool writableFolder(const std::string& folder) {
  const char* dir = orCurrent(folder);
  struct stat st {};
  return stat(dir, &st) == 0 && S_ISDIR(st.st_mode) && access(dir, W_OK | X_OK) == 0;
}

bool replaceable(const std::string& path) {
  const std::string target = resolveTarget(path);
  struct stat st {};
  if (stat(target.c_str(), &st) == 0 ? refused(st) : errno != ENOENT) return false;
  return writableFolder(folderOf(target));
}

void removeStaleTemporaries(const std::string& folder) {
  DIR* dir = opendir(orCurrent(folder));
  if (!dir) return;
  while (const dirent* entry = readdir(dir)) {
    if (!shared::isTemporaryName(entry->d_name)) continue;
    const std::string path = folder + "/" + entry->d_name;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) continue;
    struct stat st {};
    // A lock that can be taken is one no live writer holds.
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && shared::tryExclusiveLock(fd) == Attempt::Done &&
        sameFile(fd, path))
      unlink(path.c_str());
    close(fd);
  }
  closedir(dir);
}

} // namespace fw::platform
