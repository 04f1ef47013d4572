// The four lookups share their steps; a category differs by its markers, its search texts and,
// for helicopters, by the order in which the label is set.
#include "records/Lookup.h"

#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "common/Integer.h"
#include "records/Catalogue.h"
#include "records/CategorySwitch.h"
#include "records/Scans.h"

#include <charconv>
#include <optional>

namespace fw {
namespace {

using scan::Offset;

constexpr Offset kCarHandlingOffsets[] = {{"BURRITO", 1}, {"EMPEROR", 1}, {"POLICE", 1}, {"SABRE", 2},
                                          {"SULTAN", 1},  {"TAXI", 1},    {"VIGERO", 1}};
constexpr Offset kCarModelOffsets[] = {{"burrito", 1}, {"emperor", 1}, {"police", 1}, {"sabre", 2},
                                       {"sultan", 1},  {"taxi", 1},    {"vigero", 1}};

constexpr const char* kCarcolsMarker = "car4"; // the cars' part of carcols.dat; others search it whole

struct Params {
  const char* handlingMarker;
  const char* ideMarker;
  bool ideBySearchText; // boats and helicopters find their vehicles.ide line by its exact start
  bool labelAfterHandling;
};

Params paramsOf(Category c) {
  switch (c) {
  case Category::Bike: return {";------- boats", "# Heli's", false, false};
  case Category::Boat: return {";------- planes", "# Trains", true, false};
  case Category::Helicopter: return {"; For Boats:", "txdp", true, true};
  case Category::Car: break;
  }
  return {";------- bikes", "txdp", false, false};
}

std::int64_t parsedIndex(const std::string& text) {
  std::int64_t value = -1;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() ? value : -1;
}

void openRecord(MainState& s, const std::string& text) {
  s.vehicleLabel = text;
  s.lookedUpLabel = text;
  for (DataFileState& f : s.files) {
    f.record = {};
    f.input.enabled = f.writeButton.enabled = true;
  }
  for (DataFileState& f : s.files)
    f.restoreButton.enabled = true;
}

void closeRow(DataFileState& f) { f.input.enabled = f.writeButton.enabled = f.restoreButton.enabled = false; }

// The scans may end on a line that is not the vehicle's own: a later vehicle whose name holds
// this one, a stale index when nothing matched, a bound left by an earlier lookup. Only a line
// whose first field is the vehicle's key is accepted; otherwise the last such line before the
// bound is taken, and without one the file is a miss: its row stays closed and the log says so.
void settle(MainState& s, FileKind k, std::int64_t bound, const std::optional<std::string>& key) {
  DataFileState& f = s.file(k);
  std::int64_t index = parsedIndex(f.lineIndex);
  bool own =
      key && !key->empty() && index >= 0 && index < bound && scan::firstField(f.lines.at(index)) == *key;
  if (!own) index = key ? scan::lastRecordOf(f.lines, *key, bound) : -1;
  if (own || index >= 0) {
    f.lineIndex = std::to_string(index);
    f.record = {true, *key};
    return;
  }
  closeRow(f);
  s.log.append(cp1251::fromUtf8("В ") + kindInfo(k).fileName + cp1251::fromUtf8(" не найдена строка ") +
               (key ? *key : s.vehicleLabel) + "...");
}

std::int64_t boundOf(const std::string& markerField) { return toInteger(markerField); }

void writeHints(MainState& s, const std::string& text) {
  const std::string p = cp1251::fromUtf8("Вводите сразу значения для автомобиля, без ");
  const std::string& m = s.modelName;
  s.file(FileKind::Handling).hint = p + text + cp1251::fromUtf8(" и пробела перед первым числом!");
  s.file(FileKind::Vehicles).hint = p + m + ", " + m + ",";
  s.file(FileKind::Carcols).hint = p + m + ",";
}

} // namespace

void lookUpEntry(MainState& s, Category c, const std::string& entryText) {
  selectCategory(s, c);
  s.vehicleList(c).text = entryText;
  vehicleListChanged(s);
  lookUpVehicle(s, c);
}

std::array<const char*, 3> sectionMarkers(Category c) {
  const Params p = paramsOf(c);
  return {p.handlingMarker, p.ideMarker, c == Category::Car ? kCarcolsMarker : nullptr};
}

void lookUpVehicle(MainState& s, Category c) {
  const Params p = paramsOf(c);
  const std::string text = s.vehicleList(c).text;
  const bool car = c == Category::Car;
  const catalogue::Entry* entry = catalogue::find(c, text);
  const bool handlingOnly = entry && entry->model.empty();
  std::optional<std::string> model;
  if (entry && !handlingOnly) model = std::string(entry->model);

  DataFileState& handling = s.file(FileKind::Handling);
  DataFileState& vehicles = s.file(FileKind::Vehicles);
  DataFileState& carcols = s.file(FileKind::Carcols);

  if (!p.labelAfterHandling) openRecord(s, text);
  scan::markerScan(handling.lines, p.handlingMarker, s.handlingBound);
  scan::recordScan(handling.lines, text, s.handlingBound, handling.lineIndex);
  if (car) scan::correctVariant(handling.lineIndex, text, kCarHandlingOffsets);
  if (p.labelAfterHandling) openRecord(s, text);
  settle(s, FileKind::Handling, boundOf(s.handlingBound), withoutTrailingBlanks(text));

  if (model) {
    if (p.ideBySearchText) s.ideSearchText = std::string(entry->ideSearch);
    s.modelName = *model;
  } else if (handlingOnly) {
    vehicles.input.enabled = carcols.input.enabled = false;
    vehicles.writeButton.enabled = carcols.writeButton.enabled = false;
    s.restorePage = 0;
    vehicles.restoreButton.enabled = carcols.restoreButton.enabled = false;
  }

  scan::markerScan(vehicles.lines, p.ideMarker, s.vehiclesBound);
  scan::recordScan(vehicles.lines, p.ideBySearchText ? s.ideSearchText : s.modelName, s.vehiclesBound,
                   vehicles.lineIndex);
  if (car) scan::correctVariant(vehicles.lineIndex, s.modelName, kCarModelOffsets);
  if (!handlingOnly) settle(s, FileKind::Vehicles, boundOf(s.vehiclesBound), model);

  std::int64_t carcolsEnd = static_cast<std::int64_t>(carcols.lines.size());
  if (car) {
    scan::markerScan(carcols.lines, kCarcolsMarker, s.carcolsBound);
    scan::recordScan(carcols.lines, s.modelName, s.carcolsBound, carcols.lineIndex);
    // Where the scan found the vehicle's line, settle() would find it again by its first field; but
    // where it found none, the correction reads the index an earlier lookup left, or the field's start
    // text, and fails there as the lookup's steps do.
    scan::correctVariant(carcols.lineIndex, s.modelName, kCarModelOffsets);
    carcolsEnd = boundOf(s.carcolsBound);
  } else {
    scan::wholeScan(carcols.lines, s.modelName, carcols.lineIndex);
  }
  if (!handlingOnly) settle(s, FileKind::Carcols, carcolsEnd, model);

  writeHints(s, text);
}

} // namespace fw
