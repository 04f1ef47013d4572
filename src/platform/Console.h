// What a console program needs from the operating system: its arguments, its output, a working
// folder; and the local time as the user's settings render it, which both front ends write into the
// backup lists. Text here is UTF-8 on every system, so the front end above it has one encoding to
// convert from and to.
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
// A console on Windows takes UTF-16, whatever its code page; anything else gets the bytes. Output
// that nobody reads any more (a closed pipe) is dropped: see keepRunningWithoutOutput().
void write(Stream stream, std::string_view utf8);
// A reader that went away (`| head`) must neither end the program half-way through a change nor
// turn a change that was made into a failure: writing to it then merely fails.
void keepRunningWithoutOutput();

bool changeDirectory(const std::string& path);

// Whether the user reads the programs' messages in Russian: the user's interface language on
// Windows; on POSIX the locale that LC_ALL, LC_MESSAGES or LANG names, the first that is set.
bool userSpeaksRussian();

struct LocalTime {
  int year, month, day; // month and day from 1
  int hour, minute, second, millisecond;
  // A stamp at midnight exactly shows the date alone.
  bool midnight() const { return hour == 0 && minute == 0 && second == 0 && millisecond == 0; }
};
LocalTime localNow();

// The date and time as the user's settings render them: the short date, a blank and the long time,
// or the date alone at midnight exactly. Windows takes the user's regional settings; POSIX the
// locale that LC_ALL, LC_TIME or LANG names. Nothing where the system lacks that locale or its
// rendering is not readable as UTF-8.
std::optional<std::string> userTimestamp(const LocalTime& at);

} // namespace fw::platform
