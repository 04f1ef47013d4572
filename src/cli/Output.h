// What fleetwick-cli says, and how: UTF-8 text in the user's language, on standard output or error.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace fw::cli {

// The text in the run's language: Russian where the user reads Russian (the locale, or the user's
// interface language on Windows), English otherwise. Both texts are UTF-8.
std::string say(std::string_view english, std::string_view russian);

// A path as the program built it, its doubled separators single and without a separator at its end,
// for reading.
std::string readable(std::string path);

// A line on standard output, and one on standard error.
void print(const std::string& utf8);
void warn(const std::string& utf8);

// A failure of the command line's own making, worded in the run's language (UTF-8). The core's
// failures come as fw::Error.
class Failure : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

} // namespace fw::cli
