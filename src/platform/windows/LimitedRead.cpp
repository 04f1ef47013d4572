// Windows: a file or standard input read whole, up to a limit.
#include "platform/LimitedRead.h"
#include "platform/FileSystem.h"
#include "platform/windows/Wide.h"

namespace fw::platform {
namespace {

LimitedBytes failed(LimitedStatus status) { return {status, {}}; }

// Reads until the end, or stops one piece past the limit. A pipe whose writer has closed it ends
// with ERROR_BROKEN_PIPE, which is its end and no failure.
LimitedBytes readAll(HANDLE h, std::size_t limit) {
  LARGE_INTEGER size{};
  const bool disk = GetFileType(h) == FILE_TYPE_DISK;
  if (disk && !GetFileSizeEx(h, &size)) return failed(LimitedStatus::CannotOpen);
  if (disk && static_cast<unsigned long long>(size.QuadPart) > limit) return failed(LimitedStatus::TooLarge);
  LimitedBytes out;
  if (disk) out.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  char piece[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(h, piece, sizeof piece, &got, nullptr))
      return GetLastError() == ERROR_BROKEN_PIPE ? out : failed(LimitedStatus::CannotOpen);
    if (got == 0) return out;
    out.bytes.append(piece, got);
    if (out.bytes.size() > limit) return failed(LimitedStatus::TooLarge);
  }
}

} // namespace

LimitedBytes readAtMost(const std::string& path, std::size_t limit) {
  const std::wstring name = widePath(path);
  const DWORD attr = GetFileAttributesW(name.c_str());
  if (attr == INVALID_FILE_ATTRIBUTES) return failed(LimitedStatus::CannotOpen);
  if (attr & FILE_ATTRIBUTE_DIRECTORY) return failed(LimitedStatus::NotAFile);
  HANDLE h = INVALID_HANDLE_VALUE;
  shared::retryWhileHeld(kSharingPatience, [&] {
    h = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return outcome(h != INVALID_HANDLE_VALUE);
  });
  if (h == INVALID_HANDLE_VALUE) return failed(LimitedStatus::CannotOpen);
  LimitedBytes out = GetFileType(h) == FILE_TYPE_DISK ? readAll(h, limit) : failed(LimitedStatus::NotAFile);
  CloseHandle(h);
  return out;
}

LimitedBytes readStandardInputAtMost(std::size_t limit) {
  const HANDLE h = GetStdHandle(STD_INPUT_HANDLE);
  if (h == nullptr || h == INVALID_HANDLE_VALUE) return failed(LimitedStatus::CannotOpen);
  return readAll(h, limit);
}

} // namespace fw::platform
