// Putting a backed-up line back in place of the looked-up vehicle's line.
#pragma once

#include "common/MainState.h"
#include "common/Services.h"

namespace fw {

// "Восстановить" on a file's restore page: the backup its list names goes to the vehicle's line.
void restoreLine(MainState& s, FileKind k, const Services& services);

} // namespace fw
