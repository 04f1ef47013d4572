// POSIX: a file or standard input read whole, up to a limit.
#include "platform/LimitedRead.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::platform {
namespace {

LimitedBytes failed(LimitedStatus status) { return {status, {}}; }

// Reads until the end, or stops one piece past the limit. A size known beforehand is a reservation,
// not a promise: the file may change while it is read.
LimitedBytes readAll(int fd, std::size_t limit) {
  struct stat st {};
  if (fstat(fd, &st) != 0) return failed(LimitedStatus::CannotOpen);
  if (S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) > limit)
    return failed(LimitedStatus::TooLarge);
  LimitedBytes out;
  if (S_ISREG(st.st_mode)) out.bytes.reserve(static_cast<std::size_t>(st.st_size));
  char piece[65536];
  for (;;) {
    const ssize_t got = read(fd, piece, sizeof piece);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return failed(LimitedStatus::CannotOpen);
    if (got == 0) return out;
    out.bytes.append(piece, static_cast<std::size_t>(got));
    if (out.bytes.size() > limit) return failed(LimitedStatus::TooLarge);
  }
}

} // namespace

LimitedBytes readAtMost(const std::string& path, std::size_t limit) {
  // Without O_NONBLOCK opening a FIFO waits for a writer that may never come.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return failed(LimitedStatus::CannotOpen);
  struct stat st {};
  LimitedBytes out = failed(LimitedStatus::CannotOpen);
  if (fstat(fd, &st) == 0) out = S_ISREG(st.st_mode) ? readAll(fd, limit) : failed(LimitedStatus::NotAFile);
  close(fd);
  return out;
}

LimitedBytes readStandardInputAtMost(std::size_t limit) { return readAll(STDIN_FILENO, limit); }

} // namespace fw::platform
