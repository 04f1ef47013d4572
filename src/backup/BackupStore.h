// Numbered backups of replaced lines, and the two lists per file kind that record them.
#pragma once

#include "common/MainState.h"

#include <string>
#include <string_view>

namespace fw::backup {

// The name list's entry count plus one; the count passes through the backup count field.
int nextNumber(MainState& s, FileKind k);

std::string backupName(FileKind k, std::string_view label, int number);

// Refuses a label that would not stay a plain part of a file name inside the backup folder.
void requirePlainLabel(std::string_view label);
// Refuses a name that could reach outside the backup folder ("..", ".", a path separator, a
// character Windows reserves, a control byte). An empty name is left to fail as a missing file.
void requirePlainName(std::string_view name);

// Takes the kind's lists from disk, where another copy of the program may have added backups since
// this one read them. The dated list keeps the user's edits unless its file changed meanwhile.
void reloadLists(MainState& s, FileKind k);

// Writes the backup file of the line under the first free number from `number` on (a file left
// by a lost name list, or written meanwhile, is never overwritten) and returns the number used.
int writeBackupFile(MainState& s, FileKind k, const std::string& label, int number, const std::string& line);

// Puts the new backup at the top of both lists, in memory and on disk.
void recordInLists(MainState& s, FileKind k, const std::string& label, int number,
                   const std::string& timestamp);

} // namespace fw::backup
