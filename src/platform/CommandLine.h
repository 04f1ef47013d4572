// How a Windows command line falls apart into a program and its arguments, so that POSIX can start
// the same text that CreateProcess would. Pure functions: no file system here.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::platform {

// The argv that the Microsoft C runtime builds from a command line: the program name by its own
// rule (quotes group, backslashes are plain), then the arguments by splitArguments.
std::vector<std::string> splitCommandLine(std::string_view line);

// Arguments by the Microsoft rules: blanks (space, tab) separate; double quotes group and may sit
// inside an argument; "" inside quotes is a literal quote; 2N backslashes before a quote give N
// and the quote groups, 2N+1 give N and a literal quote; other backslashes are plain.
std::vector<std::string> splitArguments(std::string_view text);

struct Command {
  std::string program; // as the locator resolved it
  std::vector<std::string> arguments;
};

// Answers the file a candidate program name stands for, or nothing when it names no executable.
using Locator = std::function<std::optional<std::string>(const std::string& candidate)>;

// The program of a command line as CreateProcess finds it without an application name: a quoted
// first token as it stands; otherwise the shortest blank-separated prefix that names an
// executable ("C:\Program Files\x y" tries "C:\Program", then "C:\Program Files\x", ...). The text
// after the program is split into arguments. Nothing when no candidate names an executable.
std::optional<Command> parseCommand(std::string_view line, const Locator& locate);

} // namespace fw::platform
