// Numbered backups of replaced lines, and the two lists per file kind that record them.
#pragma once

#include "common/Files.h"
#include "common/MainState.h"
#include "platform/Console.h"

#include <string>
#include <string_view>
#include <vector>

namespace fw::backup {

// The name list's entry count plus one; the count passes through the backup count field.
int nextNumber(MainState& s, FileKind k);

std::string backupName(FileKind k, std::string_view label, int number);

// Refuses a label that would not stay a plain part of a file name inside the backup folder.
void requirePlainLabel(std::string_view label);
// Refuses a name that could reach outside the backup folder ("..", ".", a path separator, a
// character Windows reserves, a control byte). An empty name is left to fail as a missing file.
void requirePlainName(std::string_view name);

// The time stamp of a backup made at `at`, as the dated lists carry it: the user's short date and
// long time where the system renders them in Windows-1251, else the program's own Russian form
// (dd.MM.yyyy HH:mm:ss); either way the date alone at midnight exactly.
std::string backupTimestamp(const platform::LocalTime& at);

// The backup folder and its folder per file kind, those the game folder lacks (as paths).
std::vector<FilePath> missingBackupFolders(const std::string& startDir);
// Makes them, as a first write in a game folder that came without them needs; answers the folders
// made. Throws "Cannot create file %s" with the folder that cannot be made.
std::vector<std::string> makeBackupFolders(const std::string& startDir);

// Takes the kind's lists from disk, where another copy of the program may have added backups since
// this one read them: the name list as the file has it; the dated list as the user left it, with
// what other copies changed in the file since this one last read or wrote it.
void reloadLists(MainState& s, FileKind k);

// Refuses, with the message the backup's own writes would give, a backup folder that takes no new
// file or a list that cannot be replaced. The lists are taken from disk first, as a write takes them.
void requireWritableStore(MainState& s, FileKind k, const std::string& label);

// Writes the backup file of the line under the first free number from `number` on (a file left
// by a lost name list, or written meanwhile, is never overwritten) and returns the number used.
int writeBackupFile(MainState& s, FileKind k, const std::string& label, int number, const std::string& line);

// Puts the new backup at the top of both lists, in memory and on disk.
void recordInLists(MainState& s, FileKind k, const std::string& label, int number,
                   const std::string& timestamp);

} // namespace fw::backup
