// A mod's read-me: the lines in it that are meant for the three data files, found by the files' form
// for the vehicle of the last lookup, and the values each input row takes from them. The reader
// only answers; choosing among lines and writing them are the caller's next steps.
#pragma once

#include "common/Errors.h"
#include "common/MainState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::form {

// A line of the text with a data file's shape for the vehicle. Texts are Windows-1251; a character
// the code page lacks stands as '?' and is listed in `lacking`.
struct ModLine {
  std::int64_t line = 0; // 1-based, in the text
  std::string name;      // the identifier (handling.dat) or the model name the line begins with
  std::string type;      // vehicles.ide: its type column
  std::string handling;  // vehicles.ide: its handling column
  std::string values;    // the line without what the program adds itself: what the row takes
  bool namesVehicle = false;
  std::u32string lacking; // each character once
};

enum class Taken {
  None,    // the text has no line for the file, or the vehicle has no row of it
  Vehicle, // the line that names the vehicle
  Only,    // the one line the text has: a mod written for another slot
  Choice,  // several lines, none naming the vehicle (a pack of mods): the user picks
};

struct ModFile {
  bool open = false;     // the vehicle's row of this file is open: the only files looked into
  std::size_t shape = 0; // the fields of a line of the file for the vehicle, its name among them; 0
                         // where colour combinations make their number free
  std::vector<ModLine> lines;
  Taken why = Taken::None;
  std::optional<std::size_t> taken; // into lines; unset for a choice not yet made
};

using ModReading = std::array<ModFile, 3>; // in the order of FileKind

// The lines of the text for the vehicle the state's last lookup opened the rows of. Throws
// NoModLines when no open file has a line in the text, and NotLookedUp when no row is open.
ModReading readMod(const MainState& s, std::u16string_view text);

// The text had no line for any file; it says what was looked for.
class NoModLines : public Error {
public:
  explicit NoModLines(const MainState& s, const ModReading& looked);
  // Per file: what a line of it needed to hold (ModFile::shape), or nothing where it was not
  // looked for.
  std::array<std::optional<std::size_t>, 3> shapes;
};

// In each file, the first line that names `name` (letter case ignored) or belongs with the one of
// vehicles.ide that does: the handling line it names, the colours of its model.
std::array<std::optional<std::size_t>, 3> linesNamed(const ModReading& r, std::string_view name);

struct ModValues {
  std::array<std::optional<std::string>, 3> values; // per file with a taken line
  // The mod's handling identifier in its vehicles.ide line, which the vehicle's label replaced so
  // that the two installed lines still belong together; empty where nothing was replaced.
  std::string handlingReplaced;
  // The vehicles.ide type where it is another category's (a car's line into a boat's slot).
  std::string foreignType;
};

// What the rows take from the taken lines.
ModValues valuesOf(const MainState& s, const ModReading& r);

// The vehicles.ide type of a category.
std::string_view typeOf(Category c);

} // namespace fw::form
