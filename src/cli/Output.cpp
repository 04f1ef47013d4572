#include "cli/Output.h"

#include "platform/Console.h"

namespace fw::cli {

std::string say(std::string_view english, std::string_view russian) {
  static const bool russianUser = platform::userSpeaksRussian();
  return std::string(russianUser ? russian : english);
}

std::string readable(std::string path) {
  for (std::size_t at; (at = path.find("//")) != std::string::npos;)
    path.erase(at, 1);
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

void print(const std::string& utf8) { platform::write(platform::Stream::Out, utf8 + "\n"); }
void warn(const std::string& utf8) { platform::write(platform::Stream::Err, utf8 + "\n"); }

} // namespace fw::cli
