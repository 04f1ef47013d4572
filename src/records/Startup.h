// The main window's construction steps that fill its state: the start directory, the three
// data files, the six backup lists and the settings file.
#pragma once

#include "common/MainState.h"

namespace fw {

// Fills the vehicle lists from the catalogue, records the current directory as the start
// directory and loads the files, relative to the current directory. Throws the first load error;
// creates nothing.
void constructMainState(MainState& s);

} // namespace fw
