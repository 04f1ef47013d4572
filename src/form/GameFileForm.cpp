#include "form/GameFileForm.h"

#include "form/FieldText.h"

#include <charconv>

namespace fw::form {
namespace {

using V = Value;

// "Write 0 where it does not apply": boats use only the mass, the drag, the buoyancy and the flags
// of this layout, as its notes say, and trains have no steering lock, as the stock copies show.
constexpr Field kHandling[] = {
    {"A", V::Identifier},
    {"B", V::Decimal, "1.0..50000.0", 1.0, 50000.0},
    {"C", V::Decimal, "0.0..20.0", 0.0, 20.0},
    {"D", V::Decimal, "10..120", 10, 120},
    {"E", V::Decimal, "-10.0..10.0", -10.0, 10.0, kBoat},
    {"F", V::Decimal, "-10.0..10.0", -10.0, 10.0, kBoat},
    {"G", V::Decimal, "-10.0..10.0", -10.0, 10.0, kBoat},
    {"H", V::Decimal, "0.0..1.0", 0.0, 1.0, kBoat},
    {"I", V::Count, "1..6", 1, 6, kBoat},
    {"J", V::Decimal, "0.01..2.0", 0.01, 2.0, kBoat},
    {"K", V::Decimal, "0.0..10.0", 0.0, 10.0, kBoat},
    {"L", V::Decimal, "10.0..400.0", 10.0, 400.0, kBoat},
    {"M", V::Decimal, "0.01..10.0", 0.01, 10.0, kBoat},
    {"N", V::Decimal, "0.0..1.0", 0.0, 1.0, kBoat},
    {"O", V::Decimal, "0.0..1.0", 0.0, 1.0, kBoat},
    {"P", V::Decimal, "10.0..60.0", 10.0, 60.0, kBoat | kTrain},
    {"Q", V::Decimal, "0.0..3.0", 0.0, 3.0, kBoat},
    {"R", V::Decimal, "0.0..3.0", 0.0, 3.0, kBoat},
    {"S", V::Decimal, "5.0..30.0", 5.0, 30.0, kBoat},
    {"T", V::Decimal, "0.0..0.5", 0.0, 0.5, kBoat},
    {"U", V::Decimal, "0.0..1.0", 0.0, 1.0, kBoat},
    {"V", V::Decimal, "0.0..5.0", 0.0, 5.0, kBoat},
    {"W", V::Decimal, "0.0..3.0", 0.0, 3.0, kBoat},
    {"X", V::Decimal, "0.0..3.0", 0.0, 3.0, kBoat},
    {"Y", V::Decimal, "0.0..1.0", 0.0, 1.0, kBoat},
    {"Z", V::Decimal, "-1.0..0.0", -1.0, 0.0, kBoat},
    {"AA", V::Decimal, "-0.5..0.5", -0.5, 0.5, kBoat},
    {"AB", V::Decimal, "0.0..1.0", 0.0, 1.0, kBoat},
    {"AC", V::Decimal, "0.0..1.0", 0.0, 1.0, kBoat},
    {"AD", V::Decimal, "0.0..10.0", 0.0, 10.0, kBoat},
    {"AE", V::Decimal, "0.0..10.0", 0.0, 10.0, kBoat},
    {"AF", V::Decimal, "0.0..10.0", 0.0, 10.0, kBoat},
    {"AG", V::Decimal, "0.0..10.0", 0.0, 10.0, kBoat},
    {"AH", V::Decimal, "0.0..1.0", 0.0, 1.0, kBoat},
    {"AI", V::Decimal},
    {"AJ", V::Hexadecimal},
    {"AK", V::Hexadecimal},
};

// The layouts after the aircraft: an identifier, then numbers without documented ranges.
constexpr Field kSpecialHandling[] = {
    {"A", V::Identifier}, {"B", V::Decimal}, {"C", V::Decimal}, {"D", V::Decimal}, {"E", V::Decimal},
    {"F", V::Decimal},    {"G", V::Decimal}, {"H", V::Decimal}, {"I", V::Decimal}, {"J", V::Decimal},
    {"K", V::Decimal},    {"L", V::Decimal}, {"M", V::Decimal}, {"N", V::Decimal}, {"O", V::Decimal}};

// The column list names "wheel scale" once but holds two values in it, front and rear.
constexpr Field kModels[] = {
    {"model name", V::Text},
    {"texture dictionary", V::Text},
    {"type", V::VehicleType},
    {"handling", V::HandlingId},
    {"game name", V::Text},
    {"animations", V::Text},
    {"audio", V::Text},
    {"frequency", V::Decimal},
    {"maximum", V::Count},
    {"wheel scale front", V::Decimal},
    {"wheel scale rear", V::Decimal},
    {"wheel type", V::Decimal},
    {"lod multiplier", V::Decimal},
    {"swankness", V::Decimal, "1..5", 1, 5},
    {"flags", V::Text}, // flag names, or 0 for none
};

constexpr Field kTextureParents[] = {{"child", V::Text}, {"parent", V::Text}};
constexpr Field kColours[] = {{"red", V::Whole, "0..255", 0, 255},
                              {"green", V::Whole, "0..255", 0, 255},
                              {"blue", V::Whole, "0..255", 0, 255}};
constexpr Field kModelName[] = {{"model name", V::Text}};

// In the order of Section, after Outside.
constexpr Layout kLayouts[] = {
    {kHandling},
    {std::span(kSpecialHandling).first(15)}, // boats
    {std::span(kSpecialHandling).first(12)}, // bikes
    {std::span(kSpecialHandling).first(13)}, // aircraft
    {kModels},
    {kTextureParents},
    {kColours},
    {kModelName, 2},
    {kModelName, 4},
};

} // namespace

const Layout* layoutOf(Section s) {
  return s == Section::Outside ? nullptr : &kLayouts[static_cast<std::size_t>(s) - 1];
}

Section firstSection(FileKind k) { return k == FileKind::Handling ? Section::Handling : Section::Outside; }

unsigned kindOf(std::string_view vehicleType) {
  for (std::size_t i = 0; i < std::size(kVehicleTypes); ++i)
    if (kVehicleTypes[i] == vehicleType) return 1u << i;
  return 0;
}

std::optional<Section> sectionBegunBy(FileKind k, std::string_view line) {
  if (k == FileKind::Handling) {
    if (line.starts_with(";-------")) return Section::Handling;
    if (line.starts_with("; For Boats:")) return Section::BoatHandling;
    if (line.starts_with("; For Bikes:")) return Section::BikeHandling;
    if (line.starts_with("; For Aircraft:")) return Section::AircraftHandling;
    return std::nullopt;
  }
  const std::string_view word = content(k, line);
  if (word == "end") return Section::Outside;
  if (k == FileKind::Vehicles) {
    if (word == "cars") return Section::Models;
    if (word == "txdp") return Section::TextureParents;
  } else {
    if (word == "col") return Section::Colours;
    if (word == "car") return Section::ColourPairs;
    if (word == "car4") return Section::ColourQuads;
  }
  return std::nullopt;
}

std::size_t fieldPosition(FileKind k, std::string_view field) {
  std::size_t number = 0;
  if (std::from_chars(field.data(), field.data() + field.size(), number).ptr == field.data() + field.size())
    return number;
  const Section sections[3][4] = {
      {Section::Handling, Section::BoatHandling, Section::BikeHandling, Section::AircraftHandling},
      {Section::Models, Section::TextureParents, Section::Models, Section::Models},
      {Section::Colours, Section::ColourPairs, Section::ColourQuads, Section::Colours}};
  for (Section s : sections[indexOf(k)]) {
    const std::span<const Field> fields = layoutOf(s)->fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
      if (fields[i].name == field) return i + 1;
  }
  return 0;
}

bool sectionsEnd(FileKind k) { return k != FileKind::Handling; }

std::string_view sectionWord(FileKind k, std::string_view line) {
  const std::string_view text = sectionsEnd(k) ? content(k, line) : std::string_view();
  return text.find(',') == text.npos ? text : std::string_view();
}

const char* wordOf(Section s) {
  switch (s) {
  case Section::Models: return "cars";
  case Section::TextureParents: return "txdp";
  case Section::Colours: return "col";
  case Section::ColourPairs: return "car";
  case Section::ColourQuads: return "car4";
  default: return "";
  }
}

const char* sectionWords(FileKind k) { return k == FileKind::Vehicles ? "cars, txdp" : "col, car, car4"; }

// A child and its parent are two names; a colour is three numbers; combinations are a name and
// indices, in pairs where they make whole pairs within the limit, else in groups of four.
Section shapeOf(FileKind k, std::string_view content) {
  const std::size_t fields = fieldCount(content, blankSeparated(k));
  if (k == FileKind::Handling) return Section::Handling;
  if (k == FileKind::Vehicles) return fields == 2 ? Section::TextureParents : Section::Models;
  if (isWhole(firstField(content, false))) return Section::Colours;
  const std::size_t indices = fields - 1;
  return indices % 2 == 0 && indices / 2 <= kMostCombinations ? Section::ColourPairs
         : indices % 4 == 0                                   ? Section::ColourQuads
                                                              : Section::ColourPairs;
}

std::string_view content(FileKind k, std::string_view line) {
  if (k == FileKind::Carcols) return trimmed(line.substr(0, line.find('#')));
  line = trimmed(line);
  return line.starts_with(k == FileKind::Handling ? ';' : '#') ? std::string_view() : line;
}

} // namespace fw::form
