// A command's game folder as the window holds it: the state started in the current folder, as the
// window is started in the game folder, a vehicle looked up as a user looks it up, and the values
// and writes of a command, each worded for the player.
#pragma once

#include "backup/WriteAll.h"
#include "cli/Arguments.h"
#include "cli/FindingText.h"
#include "cli/Vehicles.h"
#include "common/MainState.h"
#include "common/Services.h"

#include <functional>
#include <string>
#include <vector>

namespace fw::cli {

// Refuses, naming the folder it looked in and the file it missed, a folder that is no game folder.
MainState started();
// The three data files alone, as they are on disk, with the same refusal.
std::array<LineBuffer, 3> dataFiles();
// The backup time stamps as the window makes them, and no viewer windows to reload.
Services services();

// The stock vehicle a name on the command line means; a Failure naming the nearest ones otherwise.
Vehicle vehicleNamed(const std::string& name);
// What the window does for it: the category's radio button, the entry in its list, "ОК".
void lookUp(MainState& s, const Vehicle& v);

// Text from the command line in Windows-1251; a Failure naming `what` (an option, a file) and the
// character that Windows-1251 cannot hold.
std::string encoded(const std::string& utf8, const std::string& what);
// An option's values as a row takes them: a line end pasted at their end is dropped, one inside
// them is refused.
std::string typedValues(const std::string& utf8, const std::string& option);

// The 1-based number of the line the last lookup found in the file.
std::int64_t lineNumber(const DataFileState& f);

// Each planned line (old, new and its findings) in a dry run; otherwise the findings on standard
// error. A dry run also says which write would be refused, and which folders it would make.
void showPlans(MainState& s, const std::vector<PlannedWrite>& plans, bool dryRun, Frame frame);
// Refuses lines the game cannot load, unless forced, with what to do about them.
void refuseErrors(const std::vector<PlannedWrite>& plans, const Arguments& a);
// A write of several files (`write`, a core call): the backup folders made first where the game
// folder lacks them, then each backup and file reported with the command that undoes it.
void writePlanned(MainState& s, const Arguments& a, const std::function<std::vector<WrittenFile>()>& write);

// The command that runs `command` on the same game folder as this one.
std::string commandLine(const Arguments& a, const std::string& command);

} // namespace fw::cli
