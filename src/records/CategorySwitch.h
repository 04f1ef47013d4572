// Choosing a category and changing the vehicle list: the two events that close an open record.
#pragma once

#include "common/MainState.h"

namespace fw {

void selectCategory(MainState& s, Category c); // RadioButton1Click .. RadioButton4Click
void vehicleListChanged(MainState& s);         // ComboBox1Change .. ComboBox4Change

} // namespace fw
