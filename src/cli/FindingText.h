// The command line's words for the form check's findings: English, UTF-8.
#pragma once

#include "form/LineCheck.h"

#include <string>

namespace fw::cli {

// "error: field L: "abc" is not a number", without the file and line.
std::string describe(const form::Finding& f);

// "file:line: " and the finding; `line` stands for a typed line, which has none of its own.
std::string located(const form::Finding& f, std::int64_t line);

} // namespace fw::cli
