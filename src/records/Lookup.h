// Finding the chosen vehicle's line in each of the three line buffers.
#pragma once

#include "common/MainState.h"

namespace fw {

// Button1Click (car), Button2Click (bike), Button3Click (boat), Button4Click (helicopter):
// looks up the text of the category's vehicle list.
void lookup(MainState& s, Category c);

} // namespace fw
