// What a console program needs from the operating system: its arguments, its output, a working
// folder and the local time as the user's settings render it. Text here is UTF-8 on every system,
// so the front end above it has one encoding to convert from and to.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::platform {

// The program's arguments, program name first. Windows hands the 8-bit argv over in the ANSI code
// page, which loses whatever that page cannot hold: there the UTF-16 command line is split instead.
std::vector<std::string> commandLineArguments(int argc, char** argv);

enum class Stream { Out, Err };
// A console on Windows takes UTF-16, whatever its code page; anything else gets the bytes.
void write(Stream stream, std::string_view utf8);

bool changeDirectory(const std::string& path);

// The local date and time of now: the short date, a blank and the long time, or the date alone at
// midnight exactly. The user's locale (Windows' user default, POSIX's LC_TIME) or, when
// userLocale is false, a fixed one. Nothing when the rendering cannot be read as UTF-8.
std::optional<std::string> localTimestamp(bool userLocale);

} // namespace fw::platform
