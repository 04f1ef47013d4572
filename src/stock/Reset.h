// A vehicle's lines put back as the game shipped them: the stock line byte for byte in each named
// file whose line differs from it, written as one action, each backed up first as a row's OK backs
// it up, so that restoring the backup undoes the reset.
#pragma once

#include "backup/WriteAll.h"
#include "common/MainState.h"
#include "common/Services.h"
#include "stock/Changes.h"

#include <span>
#include <string>
#include <vector>

namespace fw::stock {

enum class ResetStep {
  Write,      // the line differs: the stock line goes in its place
  Unchanged,  // left alone
  Missing,    // refused: the game's file has no line for the vehicle (the change says why)
  NotOffered, // left alone: the program writes no line of this file for the vehicle
};

struct FileReset {
  FileKind kind;
  ResetStep step;
  LineChange change;                    // Write and Missing: what differs, or why the line is missing
  std::vector<std::string> alsoChanges; // Write of a handling line: the other vehicles that use it
};

struct ResetPlan {
  std::vector<FileReset> files; // the named files, in the order handling, vehicles, carcols
  std::vector<PlannedWrite> writes;
};

// Looks the vehicle up in s as a freshly started window's OK does (as status looks it up), in the
// data files as they are on disk (each re-read, as a write re-reads its file), and plans the stock
// line of each named file that differs.
ResetPlan planReset(MainState& s, Category c, const std::string& label, std::span<const FileKind> kinds);

// The planned stock lines as one write of several files (the lines are the game's own: the form
// check, which judges a line by the folder's own, is advice here and refuses nothing).
std::vector<WrittenFile> resetToStock(MainState& s, ResetPlan plan, const Services& services);

} // namespace fw::stock
