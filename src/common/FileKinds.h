// The three data files are handled by one pattern; these are the values that tell them apart.
#pragma once

#include "common/MainState.h"

#include <string>
#include <vector>

namespace fw {

struct KindInfo {
  const char* fileName;     // "handling.dat"
  const char* dataFile;     // after the start directory
  const char* relativeFile; // relative to the current directory
  const char* prefix;       // backup name prefix
  const char* backupDir;    // after the start directory
  const char* nameList;     // after the start directory
  const char* datedList;    // after the start directory
};

const KindInfo& kindInfo(FileKind k);

// The settings file, after the start directory.
inline constexpr const char* kSettingsFile = "\\fleetwick.ini";

// The folders under the start directory (literals, "" for the start directory itself) that the
// program writes files into: those of the data files, of the backups and their lists, and of the
// settings file.
std::vector<std::string> writtenFolders();

} // namespace fw
