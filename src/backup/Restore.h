// Putting a backed-up line back in place of the looked-up vehicle's line.
#pragma once

#include "common/MainState.h"
#include "common/Services.h"

namespace fw {

void restoreBackup(MainState& s, FileKind k, const Services& services); // Button12Click .. Button14Click

} // namespace fw
