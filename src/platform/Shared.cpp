#include "platform/Shared.h"

#include "platform/FileSystem.h"
#include "platform/Locks.h"

#include <algorithm>
#include <utility>

namespace fw::platform {

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

std::string nativeLiteral(std::string_view literal) {
  std::string out(literal);
#ifndef _WIN32
  std::replace(out.begin(), out.end(), '\\', '/');
#endif
  return out;
}

FileLock::Result FileLock::waitForLock(std::chrono::milliseconds patience) const {
  switch (shared::retryWhileHeld(patience, [this] { return shared::tryExclusiveLock(handle_); })) {
  case shared::Attempt::Done: return Result::Held;
  case shared::Attempt::Held: return Result::Busy;
  case shared::Attempt::Failed: break;
  }
  return Result::Failed;
}

namespace shared {

std::string temporaryStem(std::string_view targetName) {
  // Appended piece by piece: GCC 12's optimiser takes "." + std::string for an overlapping copy.
  std::string stem(1, '.');
  stem += targetName;
  stem += kTemporaryMark;
  return stem;
}

bool isTemporaryName(std::string_view name) {
  const std::size_t tail = kTemporaryMark.size() + kTemporaryRandom;
  if (name.size() <= tail + 1 || name.front() != '.') return false;
  const std::string_view random = name.substr(name.size() - kTemporaryRandom);
  return name.substr(name.size() - tail, kTemporaryMark.size()) == kTemporaryMark &&
         std::all_of(random.begin(), random.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
         });
}

} // namespace shared
} // namespace fw::platform
