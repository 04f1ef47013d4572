#include "common/Errors.h"

#include "common/Cp1251.h"

namespace fw {

Error::Error(std::string before, std::string path, std::string after)
    : Error(Reason::Unspecified, std::move(before), std::move(path), std::move(after)) {}

Error::Error(Reason reason, std::string before, std::string path, std::string after, std::string subject)
    : std::runtime_error(before + path + after), reason_(reason), before_(std::move(before)),
      path_(std::move(path)), after_(std::move(after)), subject_(std::move(subject)) {}

Error Error::withFullStop() const {
  const std::string& last = !after_.empty() ? after_ : !path_.empty() ? path_ : before_;
  if (!last.empty() && last.back() == '.') return *this;
  return Error(reason_, before_, path_, after_ + ".", subject_);
}

Error cannotOpen(const std::string& path) { return Error(Reason::CannotOpen, "Cannot open file ", path, ""); }
Error cannotCreate(const std::string& path) {
  return Error(Reason::CannotCreate, "Cannot create file ", path, "");
}
Error notAnInteger(const std::string& text) {
  return Error(Reason::NotAnInteger, "'" + text + "' is not a valid integer value", "", "", text);
}

std::string utf8Message(const Error& e) {
  return cp1251::toUtf8(e.before()) + e.path() + cp1251::toUtf8(e.after());
}

} // namespace fw
