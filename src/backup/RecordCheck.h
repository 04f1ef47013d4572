// A line is only ever replaced where the last lookup found the vehicle shown in the label.
#pragma once

#include "common/MainState.h"

#include <cstdint>
#include <string_view>

namespace fw::backup {

// Refuses when the last lookup found no line of this file for the vehicle in the vehicle label.
void requireLookedUp(const MainState& s, FileKind k);
// Refuses when the line at index no longer belongs to the vehicle (the file changed on disk).
void requireVehicleLine(const MainState& s, FileKind k, std::int64_t index);
// Refuses a backup whose line is not the vehicle's.
void requireOwnBackup(const MainState& s, FileKind k, std::string_view line);

} // namespace fw::backup
