// The one error type of the program: it carries the text that the error box shows.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

class Error : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

Error cannotOpen(const std::string& path);
Error cannotCreate(const std::string& path);
Error notAnInteger(const std::string& text);

// The text an error box shows: the message, with a full stop added unless it ends in one.
std::string boxText(const std::string& message);

} // namespace fw
