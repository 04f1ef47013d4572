// POSIX: the game folder's lock, a flock() on a file that every copy opens.
#include "platform/Locks.h"
#include "platform/Shared.h"
#include "platform/posix/Folders.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::platform {

namespace shared {

Attempt tryExclusiveLock(std::intptr_t handle) {
  if (flock(static_cast<int>(handle), LOCK_EX | LOCK_NB) == 0) return Attempt::Done;
  return errno == EWOULDBLOCK || errno == EINTR ? Attempt::Held : Attempt::Failed;
}

} // namespace shared

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
    return missing && stat(posix::orCurrent(posix::folderOf(path)), &folder) != 0 ? Result::NoFolder
                                                                                  : Result::Failed;
  }
  handle_ = fd;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return Result::Failed;
  return waitForLock(patience);
}

} // namespace fw::platform
