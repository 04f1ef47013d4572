// The four commands, each the window's own handlers run on a MainState started in the current
// folder, as the window is started in the game folder.
#pragma once

#include "cli/Arguments.h"

#include <stdexcept>

namespace fw::cli {

// A failure of the command line's own making; its text is UTF-8. The handlers' failures come as
// fw::Error with the window's text.
class Failure : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Prints what the command shows and returns normally, or throws Failure or fw::Error.
void runCommand(const Arguments& a);

} // namespace fw::cli
