// Windows: the game folder's lock, LockFileEx on a file that every copy opens with full sharing.
#include "platform/Locks.h"
#include "platform/FileSystem.h"
#include "platform/windows/Wide.h"

namespace fw::platform {

namespace shared {

Attempt tryExclusiveLock(std::intptr_t handle) {
  OVERLAPPED at{};
  if (LockFileEx(reinterpret_cast<HANDLE>(handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
                 0, &at))
    return Attempt::Done;
  return GetLastError() == ERROR_LOCK_VIOLATION ? Attempt::Held : Attempt::Failed;
}

} // namespace shared

FileLock::~FileLock() {
  if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_)); // closing releases the lock
}

FileLock::Result FileLock::lock(const std::string& path, std::chrono::milliseconds patience) {
  const std::wstring name = widePath(path);
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE h = INVALID_HANDLE_VALUE;
  // A lock file with the read-only attribute is locked through a handle that only reads it.
  for (DWORD access : {GENERIC_READ | GENERIC_WRITE, DWORD{GENERIC_READ}}) {
    shared::retryWhileHeld(kSharingPatience, [&] {
      h = CreateFileW(name.c_str(), access, share, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      // Access denied is the read-only attribute here, which the next try through a reading handle passes.
      return h != INVALID_HANDLE_VALUE || GetLastError() == ERROR_ACCESS_DENIED ? shared::Attempt::Done
                                                                                : outcome(false);
    });
    if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_ACCESS_DENIED) break;
  }
  if (h == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_PATH_NOT_FOUND ? Result::NoFolder : Result::Failed;
  handle_ = reinterpret_cast<std::intptr_t>(h);
  if (GetFileType(h) != FILE_TYPE_DISK) return Result::Failed;
  return waitForLock(patience);
}

} // namespace fw::platform
