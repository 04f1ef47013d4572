// fleetwick-cli status and reset: the game folder against the stock files, and a vehicle put back
// as the game shipped it.
#pragma once

#include "cli/Arguments.h"

namespace fw::cli {

// One line per file of a vehicle whose line differs from stock, then the count.
void status();
void reset(const Arguments& a);

} // namespace fw::cli
