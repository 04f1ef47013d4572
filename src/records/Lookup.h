// Finding the chosen vehicle's line in each of the three line buffers.
#pragma once

#include "common/MainState.h"

namespace fw {

// The lookup of a category's OK button: looks up the text of the category's vehicle list.
void lookUpVehicle(MainState& s, Category c);

} // namespace fw
