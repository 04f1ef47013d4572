#include "common/Errors.h"

namespace fw {

Error cannotOpen(const std::string& path) { return Error("Cannot open file " + path); }
Error cannotCreate(const std::string& path) { return Error("Cannot create file " + path); }
Error notAnInteger(const std::string& text) { return Error("'" + text + "' is not a valid integer value"); }

std::string boxText(const std::string& message) {
  if (!message.empty() && message.back() == '.') return message;
  return message + ".";
}

} // namespace fw
