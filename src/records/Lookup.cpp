// The four lookups share their steps; a category differs by its markers, its search texts and,
// for helicopters, by the order in which the label is set.
#include "records/Lookup.h"

#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "common/Integer.h"
#include "records/Catalogue.h"
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

std::string withoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ')
    text.pop_back();
  return text;
}

void openRecord(MainState& s, const std::string& text) {
  s.Label1 = text;
  s.LookupLabel = text;
  for (RecordMatch& r : s.Records)
    r = {};
  for (FileKind k : kFileKinds) {
    KindFields f = fieldsOf(s, k);
    f.input.Enabled = true;
    f.writeButton.Enabled = true;
  }
  for (FileKind k : kFileKinds)
    fieldsOf(s, k).restoreButton.Enabled = true;
}

void closeRow(MainState& s, FileKind k) {
  KindFields f = fieldsOf(s, k);
  f.input.Enabled = f.writeButton.Enabled = f.restoreButton.Enabled = false;
}

// The scans may end on a line that is not the vehicle's own: a later vehicle whose name holds
// this one, a stale index when nothing matched, a bound left by an earlier lookup. Only a line
// whose first field is the vehicle's key is accepted; otherwise the last such line before the
// bound is taken, and without one the file is a miss: its row stays closed and the log says so.
void settle(MainState& s, FileKind k, std::int64_t bound, const std::optional<std::string>& key) {
  KindFields f = fieldsOf(s, k);
  std::int64_t index = parsedIndex(f.index);
  bool own =
      key && !key->empty() && index >= 0 && index < bound && scan::firstField(f.lines.at(index)) == *key;
  if (!own) index = key ? scan::lastRecordOf(f.lines, *key, bound) : -1;
  if (own || index >= 0) {
    f.index = std::to_string(index);
    f.record = {true, *key};
    return;
  }
  closeRow(s, k);
  s.Memo4.append(cp1251::fromUtf8("В ") + kindInfo(k).fileName + cp1251::fromUtf8(" не найдена строка ") +
                 (key ? *key : s.Label1) + "...");
}

std::int64_t boundOf(const std::string& markerField) { return toInteger(markerField); }

void writeHints(MainState& s, const std::string& text) {
  const std::string p = cp1251::fromUtf8("Вводите сразу значения для автомобиля, без ");
  const std::string& m = s.Edit7;
  s.Label2 = p + text + cp1251::fromUtf8(" и пробела перед первым числом!");
  s.Label3 = p + m + ", " + m + ",";
  s.Label4 = p + m + ",";
}

} // namespace

void lookup(MainState& s, Category c) {
  const Params p = paramsOf(c);
  const std::string text = s.vehicleList(c).Text;
  const bool car = c == Category::Car;
  const catalogue::Entry* entry = catalogue::find(c, text);
  const bool handlingOnly = entry && entry->model.empty();
  std::optional<std::string> model;
  if (entry && !handlingOnly) model = std::string(entry->model);

  if (!p.labelAfterHandling) openRecord(s, text);
  scan::markerScan(s.Memo1, p.handlingMarker, s.Edit13);
  scan::recordScan(s.Memo1, text, s.Edit13, s.Edit1);
  if (car) scan::correctVariant(s.Edit1, text, kCarHandlingOffsets);
  if (p.labelAfterHandling) openRecord(s, text);
  settle(s, FileKind::Handling, boundOf(s.Edit13), withoutTrailingBlanks(text));

  if (model) {
    if (p.ideBySearchText) s.Edit8 = std::string(entry->ideSearch);
    s.Edit7 = *model;
  } else if (handlingOnly) {
    s.Edit3.Enabled = s.Edit4.Enabled = s.Button6.Enabled = s.Button7.Enabled = false;
    s.PageControl1 = 0;
    s.Button13.Enabled = s.Button14.Enabled = false;
  }

  scan::markerScan(s.Memo2, p.ideMarker, s.Edit11);
  scan::recordScan(s.Memo2, p.ideBySearchText ? s.Edit8 : s.Edit7, s.Edit11, s.Edit5);
  if (car) scan::correctVariant(s.Edit5, s.Edit7, kCarModelOffsets);
  if (!handlingOnly) settle(s, FileKind::Vehicles, boundOf(s.Edit11), model);

  std::int64_t carcolsBound = static_cast<std::int64_t>(s.Memo3.size());
  if (car) {
    scan::markerScan(s.Memo3, "car4", s.Edit12);
    scan::recordScan(s.Memo3, s.Edit7, s.Edit12, s.Edit6);
    scan::correctVariant(s.Edit6, s.Edit7, kCarModelOffsets);
    carcolsBound = boundOf(s.Edit12);
  } else {
    scan::wholeScan(s.Memo3, s.Edit7, s.Edit6);
  }
  if (!handlingOnly) settle(s, FileKind::Carcols, carcolsBound, model);

  writeHints(s, text);
}

} // namespace fw
