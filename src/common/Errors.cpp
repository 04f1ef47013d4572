#include "common/Errors.h"

#include "common/Cp1251.h"

namespace fw {

Error::Error(std::string before, std::string path, std::string after)
    : std::runtime_error(before + path + after), before_(std::move(before)), path_(std::move(path)),
      after_(std::move(after)) {}

Error Error::withFullStop() const {
  const std::string& last = !after_.empty() ? after_ : !path_.empty() ? path_ : before_;
  if (!last.empty() && last.back() == '.') return *this;
  return Error(before_, path_, after_ + ".");
}

Error cannotOpen(const std::string& path) { return Error("Cannot open file ", path, ""); }
Error cannotCreate(const std::string& path) { return Error("Cannot create file ", path, ""); }
Error notAnInteger(const std::string& text) { return Error("'" + text + "' is not a valid integer value"); }

std::string utf8Message(const Error& e) {
  return cp1251::toUtf8(e.before()) + e.path() + cp1251::toUtf8(e.after());
}

} // namespace fw
