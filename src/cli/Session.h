// A command's game folder as the window holds it: the state started in the current folder, as the
// window is started in the game folder, and a vehicle looked up as a user looks it up.
#pragma once

#include "cli/Vehicles.h"
#include "common/MainState.h"
#include "common/Services.h"

#include <string>

namespace fw::cli {

MainState started();
// The backup time stamps as the window makes them, and no viewer windows to reload.
Services services();

// The stock vehicle a name on the command line means; a Failure naming the nearest ones otherwise.
Vehicle vehicleNamed(const std::string& name);
// What the window does for it: the category's radio button, the entry in its list, "ОК".
void lookUp(MainState& s, const Vehicle& v);

// Text from the command line in Windows-1251; a Failure where that cannot hold it.
std::string encoded(const std::string& utf8);

// The 1-based number of the line the last lookup found in the file.
std::int64_t lineNumber(const DataFileState& f);

// The handlers log as they go; what they logged is printed, before a failure too.
template <class Steps> void logging(MainState& s, Steps steps);
void printLog(const MainState& s, std::size_t from);

template <class Steps> void logging(MainState& s, Steps steps) {
  const std::size_t from = s.log.size();
  try {
    steps();
  } catch (...) {
    printLog(s, from);
    throw;
  }
  printLog(s, from);
}

} // namespace fw::cli
