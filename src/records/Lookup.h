// Finding the chosen vehicle's line in each of the three line buffers.
#pragma once

#include "common/MainState.h"

#include <array>

namespace fw {

// The lookup of a category's OK button: looks up the text of the category's vehicle list.
void lookUpVehicle(MainState& s, Category c);

// What a user does to look up a vehicle: the category's radio button, the entry's text in its list,
// the category's OK button.
void lookUpEntry(MainState& s, Category c, const std::string& entryText);

// The texts of the lines that end the parts of the files a category's lookup searches, per file;
// null where the whole file is searched.
std::array<const char*, 3> sectionMarkers(Category c);

} // namespace fw
