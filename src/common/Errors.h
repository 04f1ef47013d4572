// The one error type of the program: it carries the text that the error box shows. The text is
// Windows-1251; a path in it is in the system's encoding (UTF-8, as the platform layer hands paths
// over), so the error keeps the path apart and each front end turns both parts into what it shows.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

class Error : public std::runtime_error {
public:
  explicit Error(const std::string& text) : Error(text, {}, {}) {}
  Error(std::string before, std::string path, std::string after);

  const std::string& before() const { return before_; } // Windows-1251
  const std::string& path() const { return path_; }     // the system's encoding
  const std::string& after() const { return after_; }   // Windows-1251

  // The text an error box shows: the message, with a full stop added unless it ends in one.
  Error withFullStop() const;

private:
  std::string before_, path_, after_;
};

Error cannotOpen(const std::string& path);
Error cannotCreate(const std::string& path);
Error notAnInteger(const std::string& text);

// The whole message as UTF-8, for a console and for tests.
std::string utf8Message(const Error& e);

} // namespace fw
