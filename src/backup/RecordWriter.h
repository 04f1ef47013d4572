// Writing a replacement line into one data file, after backing up the old one.
#pragma once

#include "common/MainState.h"
#include "common/Services.h"
#include "form/LineCheck.h"

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
// Puts a whole line in place of the vehicle's line as the OK button does (the file re-read, the old
// line backed up and listed, the file written, the log lines, the viewer reloaded), for a caller
// that holds the game folder's lock already: a command that writes several files takes it once for
// all of them. Answers the backup's name.
std::string replaceLineHoldingLock(MainState& s, FileKind k, const std::string& line,
                                   const Services& services);

// Refuses, with the message the write would give and before anything changes, a write of the file
// that would fail at one of its files: the backup folder, the two lists, the data file.
void requireWritable(MainState& s, FileKind k);

} // namespace fw
