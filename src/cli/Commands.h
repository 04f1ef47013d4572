// The four commands, each the window's own handlers run on a MainState started in the current
// folder, as the window is started in the game folder.
#pragma once

#include "cli/Arguments.h"
#include "cli/Output.h"

namespace fw::cli {

// Prints what the command shows and returns normally, or throws Failure or fw::Error.
void runCommand(const Arguments& a);

} // namespace fw::cli
