// A file the user hands over (a mod's read-me), or standard input, read whole only when it is not
// larger than a limit: a huge file or an endless stream is refused before it fills the memory.
#pragma once

#include <cstddef>
#include <string>

namespace fw::platform {

enum class LimitedStatus { Read, CannotOpen, NotAFile, TooLarge };

struct LimitedBytes {
  LimitedStatus status = LimitedStatus::Read;
  std::string bytes; // empty unless read
};

// A regular file's bytes; its size is asked before a byte is read, and a file that grows past the
// limit while it is read is refused too. A folder, a FIFO or a device is NotAFile.
LimitedBytes readAtMost(const std::string& path, std::size_t limit);
// Standard input until its end, whatever it is (a pipe, a file, a console).
LimitedBytes readStandardInputAtMost(std::size_t limit);

} // namespace fw::platform
