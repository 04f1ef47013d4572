// Writing a replacement line into one data file, after backing up the old one.
#pragma once

#include "common/MainState.h"
#include "common/Services.h"

namespace fw {

void writeRecord(MainState& s, FileKind k, const Services& services); // Button5Click .. Button7Click

} // namespace fw
