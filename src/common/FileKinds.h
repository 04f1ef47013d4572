// The three data files are handled by one pattern; these are the values that tell them apart.
#pragma once

#include "common/MainState.h"

namespace fw {

struct KindInfo {
  const char* fileName;     // "handling.dat"
  const char* dataFile;     // after the start directory
  const char* relativeFile; // relative to the current directory
  const char* prefix;       // backup name prefix
  const char* backupDir;    // after the start directory
  const char* restoreDir;   // relative to the current directory
  const char* nameList;     // after the start directory
  const char* datedList;    // after the start directory
};

const KindInfo& kindInfo(FileKind k);

} // namespace fw
