#include "cli/Output.h"

#include "platform/Console.h"

namespace fw::cli {

std::string say(std::string_view english, std::string_view russian) {
  static const bool russianUser = platform::userSpeaksRussian();
  return std::string(russianUser ? russian : english);
}

void print(const std::string& utf8) { platform::write(platform::Stream::Out, utf8 + "\n"); }
void warn(const std::string& utf8) { platform::write(platform::Stream::Err, utf8 + "\n"); }

} // namespace fw::cli
