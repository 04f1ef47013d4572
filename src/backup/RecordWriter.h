// Writing a replacement line into one data file, after backing up the old one.
#pragma once

#include "common/MainState.h"
#include "common/Services.h"
#include "records/LineCheck.h"

namespace fw {

// The line that replaces the vehicle's line: the vehicle label or model name, then the typed text.
std::string replacementLine(const MainState& s, FileKind k, const std::string& text);

// What the game would make of the line that a write of the typed text produces: advice, which the
// write itself never asks for. Nothing where the last lookup found no line of the file.
form::Verdict checkTyped(const MainState& s, FileKind k, const std::string& text);

// Refuses a typed text that would split the line it goes into: the file would gain a line.
void requireOneLine(const std::string& text);

// The OK button of a file's input row.
void writeLine(MainState& s, FileKind k, const Services& services);

} // namespace fw
