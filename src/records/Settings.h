// The settings window's OK: the two program paths of the quick-start buttons, in use at once and
// kept in fleetwick.ini in the start directory.
#pragma once

#include "common/MainState.h"

#include <string>

namespace fw {

// Refuses, changing nothing, a path that would not stay one line of the file. Otherwise both paths
// are in use until exit, also when the file then cannot be written ("Cannot create file %s").
void saveSettings(MainState& s, const std::string& archiveEditorPath, const std::string& gamePath);

} // namespace fw
