// Whether the game can load a line: the lines a write would produce and every line of the three
// files, judged by the files' form. Findings are data; each front end words them.
#pragma once

#include "common/LineBuffer.h"
#include "common/MainState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::form {

enum class Severity { Error, Warning };

enum class Problem {
  FieldCount,          // found values where expected belong
  Comma,               // handling.dat: a comma in found, where blanks separate the values
  NotANumber,          // found where a decimal number belongs
  Unreadable,          // found has more digits than a number can hold
  NotHexadecimal,      // found where hexadecimal flags belong
  NotWhole,            // found where a whole number belongs
  Empty,               // nothing where a value belongs
  UnknownType,         // found is none of the vehicle types in expected
  UnknownHandling,     // handling.dat has no line with the identifier found
  BeyondColourTable,   // found is no index into a colour table of expected colours
  PartCombination,     // found indices make no whole number of combinations of expected
  TooManyCombinations, // found combinations, where at most expected belong
  NotUpperCase,        // the handling identifier found has small letters
  TooLong,             // the handling identifier found is longer than expected characters
  UnknownSection,      // found is no section word of the file; expected lists them
  OutsideSection,      // a line, beginning with found, outside any section; expected lists them
  MissingEnd,          // the section found ends without its "end" before this line or the file's end
  OutOfRange,          // warning: found lies outside expected, written "low..high"
  NameTypedAgain,      // warning: the typed text begins with found, which the program adds itself
};

struct Finding {
  FileKind file;
  std::int64_t line; // 1-based; 0 for a line that is only typed
  std::string field; // its letter or column name where the file names it, else its position from 1;
                     // empty for the whole line
  Severity severity;
  Problem problem;
  std::string found;    // what stands there
  std::string expected; // what belongs there
  bool operator==(const Finding&) const = default;
};

using Report = std::function<void(const Finding&)>;

// Every line of the three files (in the order of FileKind) by its section's layout; where most lines
// of a section have another number of fields, the section is judged by its own lines. Reports in
// the order of the files and lines.
void checkFiles(const std::array<LineBuffer, 3>& files, const Report& report);

// The line a write would put at `index` of file k, judged by the line it replaces; where only that
// line differs from the documented layout, by its nearest line of the same section.
struct Replacement {
  std::string_view line;  // the whole new line
  std::string_view typed; // the user's part of it, at its end
  std::size_t ownFields;  // the fields before it, which the program writes itself
  std::string_view name;  // the name among them that the typed text should not repeat
};

struct Verdict {
  std::size_t values = 0; // the values typed
  std::size_t needed = 0; // the values the line needs; 0 where combinations make their number free
  std::size_t group = 0;  // the values per combination where their number is free
  std::vector<Finding> findings;
};

// The state's lines are the files: vehicles.ide's handling column is looked up in the handling lines
// as they are, carcols.dat's indices in the colour table of its own lines.
Verdict checkReplacement(const MainState& s, FileKind k, std::int64_t index, const Replacement& r);

} // namespace fw::form
