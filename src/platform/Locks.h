// The lock that lets copies of the program (the window and scripts) change one game folder in turn.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace fw::platform {

// An exclusive lock on a file, created when missing, held until the object goes. Any user who may
// change the folder's files can take it: a lock file that only its creator may write is locked
// through a read-only handle.
class FileLock {
public:
  enum class Result { Held, Busy, NoFolder, Failed };

  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

  // Waits only while another holder has the lock, until `patience` has passed (Busy then).
  // NoFolder when the lock file's folder does not exist; Failed at once when the file cannot be
  // opened, is no regular file or cannot be locked for another reason than a holder.
  Result lock(const std::string& path, std::chrono::milliseconds patience);

private:
  // Once the file is open: waits while another holder has its lock.
  Result waitForLock(std::chrono::milliseconds patience) const;

  std::intptr_t handle_ = -1;
};

} // namespace fw::platform
