// The form of the game's three data files as the stock copies' own header comments document it:
// the sections of each file, the layout of a section's lines, what each field holds and the range
// the game keeps it in.
#pragma once

#include "common/MainState.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace fw::form {

enum class Value {
  Text,        // any text but none
  Identifier,  // handling.dat's: upper case, kLongestIdentifier characters at most
  Decimal,     // an optional sign, digits, an optional fraction
  Count,       // a decimal number without a fraction
  Hexadecimal, // flags
  Whole,       // colour components and colour indices
  VehicleType, // one of kVehicleTypes
  HandlingId,  // the identifier of a line of handling.dat
};

// The kinds of vehicle as bits, in the order of kVehicleTypes.
inline constexpr unsigned kBoat = 1u << 3, kTrain = 1u << 4;

struct Field {
  const char* name; // the letter or the column name the file gives it
  Value value;
  const char* range = nullptr; // the documented range as the file writes its ends, "low..high"
  double low = 0, high = 0;
  unsigned unusedBy = 0; // the kinds of vehicle it does not apply to: there a 0 stands for nothing
};

enum class Section {
  Outside,      // between sections or in one this program does not know: judged by their shape
  Handling,     // the lines of every vehicle, fields A to AK
  BoatHandling, // after "; For Boats:"
  BikeHandling, // after "; For Bikes:"
  AircraftHandling,
  Models,         // vehicles.ide "cars"
  TextureParents, // vehicles.ide "txdp"
  Colours,        // carcols.dat "col", the colour table
  ColourPairs,    // carcols.dat "car"
  ColourQuads,    // carcols.dat "car4"
};

struct Layout {
  std::span<const Field> fields; // a combination section documents only its leading model name
  std::size_t group = 0;         // a combination section's indices per combination
};

inline constexpr std::size_t kMostCombinations = 8;
inline constexpr std::size_t kLongestIdentifier = 14;
inline constexpr std::string_view kVehicleTypes[] = {"car", "bike", "heli", "boat", "train"};
unsigned kindOf(std::string_view vehicleType); // its bit, or 0

// handling.dat separates fields by blanks and tabs, the others by commas.
inline bool blankSeparated(FileKind k) { return k == FileKind::Handling; }
// Null for a section whose lines are not judged.
const Layout* layoutOf(Section s);
// Where a file's lines are before any section line.
Section firstSection(FileKind k);
// The section a line begins (Outside for "end"), or nothing where it begins none.
std::optional<Section> sectionBegunBy(FileKind k, std::string_view line);
// The 1-based place in its line of a field that a finding names: its number, or the place its name
// has in the file's layouts (the names of a file's layouts never name two places). 0 when unknown.
std::size_t fieldPosition(FileKind k, std::string_view field);
// vehicles.ide and carcols.dat close each section with "end" and name their sections by a word
// alone on its line: the word a line holds where it could be one, else nothing.
bool sectionsEnd(FileKind k);
std::string_view sectionWord(FileKind k, std::string_view line);
const char* wordOf(Section s);
const char* sectionWords(FileKind k); // the file's own, as a list
// The section whose layout a line outside any known section has the shape of.
Section shapeOf(FileKind k, std::string_view content);
// The line without its comment and the blanks around it: empty for a comment or a blank line.
std::string_view content(FileKind k, std::string_view line);

} // namespace fw::form
