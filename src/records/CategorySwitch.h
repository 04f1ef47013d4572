// Choosing a category and changing the vehicle list: the two events that close an open record.
#pragma once

#include "common/MainState.h"

namespace fw {

void selectCategory(MainState& s, Category c);
void vehicleListChanged(MainState& s);

} // namespace fw
