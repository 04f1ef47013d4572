// One action over several data files: the command line's replace, a mod's install, a reset to stock
// and the window's "write all" all go through here, so that each changes every file it names or none.
#pragma once

#include "common/Errors.h"
#include "common/MainState.h"
#include "common/Services.h"
#include "form/LineCheck.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace fw {

// One file's part of the action: the line that goes in place of the vehicle's line, judged.
struct PlannedWrite {
  FileKind kind;
  std::int64_t index = 0; // the vehicle's line, as the last lookup found it
  std::string oldLine, newLine;
  form::Verdict verdict;
};

// The line a row's OK writes for the typed text, judged as the row judges it. Refuses a row the last
// lookup did not open (a handling-only vehicle's other rows, a file without the vehicle's line) and
// a text that would split the line.
PlannedWrite planTyped(const MainState& s, FileKind k, const std::string& typed);
// A whole line written as it is: a stock line put back, which is the game's own and not judged.
PlannedWrite planLine(const MainState& s, FileKind k, std::string line);

bool holdsErrors(std::span<const PlannedWrite> plans);

struct WrittenFile {
  FileKind kind;
  std::string backupName; // Windows-1251
};

// The files a write of several changed before a fault that no check foresaw (a full disk) stopped
// it, and the fault.
class PartlyWritten : public Error {
public:
  PartlyWritten(const Error& cause, std::vector<WrittenFile> written);
  const Error& cause() const { return cause_; }
  const std::vector<WrittenFile>& written() const { return written_; }

private:
  Error cause_;
  std::vector<WrittenFile> written_;
};

// A plan whose lines hold errors, not forced: nothing was written.
class RefusedLines : public Error {
public:
  RefusedLines();
};

// Writes the planned lines (at most one per file) as one action: refused, with nothing changed, when
// a line holds an error and the action is not forced; then one hold of the game folder's lock, every
// file checked as its write will need it (the backup folder, both lists, the data file), and the
// writes in the order handling, vehicles, carcols, each as its row's OK makes it. A fault after the
// first file is a PartlyWritten.
std::vector<WrittenFile> writeAll(MainState& s, std::vector<PlannedWrite> plans, bool force,
                                  const Services& services);

} // namespace fw
