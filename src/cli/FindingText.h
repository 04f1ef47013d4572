// The command line's words for the form check's findings, in the run's language (UTF-8). A finding
// on a typed text counts in the frame the player typed (the values after the names the program
// writes itself); one on a line of a file counts in the line.
#pragma once

#include "form/LineCheck.h"

#include <string>

namespace fw::cli {

// "error: value 5 of the typed text: "x" is not a whole number", without the file and line.
std::string describe(const form::Finding& f);

// "file:line: " and the finding; `line` stands for a typed line, which has none of its own.
std::string located(const form::Finding& f, std::int64_t line);

} // namespace fw::cli
