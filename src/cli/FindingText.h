// The command line's words for the form check's findings, in the run's language (UTF-8). A finding
// on a new line counts in the frame the player gave it (the values after the names the program
// writes itself, typed or in a mod's line); one on a line of a file counts in the line.
#pragma once

#include "form/LineCheck.h"

#include <string>

namespace fw::cli {

// Where the values of a new line came from: typed by the player, or a mod's line from its read-me.
enum class Frame { Typed, ModLine };

// "file:line: error: value 5 of the typed text: "x" is not a whole number"; `line` stands for a new
// line, which has none of its own.
std::string located(const form::Finding& f, std::int64_t line, Frame frame);

} // namespace fw::cli
