#include "stock/Changes.h"

#include "common/Errors.h"
#include "common/Integer.h"
#include "form/FieldText.h"
#include "form/GameFileForm.h"
#include "records/Catalogue.h"
#include "records/Lookup.h"
#include "records/Scans.h"
#include "stock/StockCopies.h"

#include <algorithm>
#include <map>
#include <utility>

namespace fw::stock {
namespace {

using Found = std::array<std::int64_t, 3>; // per file the vehicle's line, -1 where there is none

constexpr std::size_t kHandlingColumn = 3; // of a vehicles.ide line: the handling line its model uses

// The lines the last lookup found for the vehicle it was run for; none when it stopped before it
// took the vehicle's label (a helicopter's lookup takes it after the handling.dat search).
Found foundBy(const MainState& s) {
  Found found{-1, -1, -1};
  if (s.vehicleLabel.empty() || s.vehicleLabel != s.lookedUpLabel) return found;
  for (FileKind k : kFileKinds)
    if (s.file(k).record.found) found[indexOf(k)] = toInteger(s.file(k).lineIndex);
  return found;
}

// What the OK button of a window started on these files finds for the entry. A lookup that stops
// (at a file without its section marker) has found what it found before.
Found lookedUp(MainState& s, Category c, const std::string& text) {
  try {
    lookUpEntry(s, c, text);
  } catch (const Error&) {
  }
  return foundBy(s);
}

Found lookedUpInStock(Category c, const std::string& text) {
  MainState s;
  for (FileKind k : kFileKinds)
    s.file(k).lines = copyOf(k);
  return lookedUp(s, c, text);
}

// The stock copies never change: their lookups run once.
Found stockLines(Category c, const std::string& label) {
  static const auto catalogue = [] {
    std::map<std::pair<Category, std::string>, Found> all;
    for (Category each : kCategories)
      for (const catalogue::Entry& e : catalogue::entries(each))
        all[{each, std::string(e.text)}] = lookedUpInStock(each, std::string(e.text));
    return all;
  }();
  const auto at = catalogue.find({c, label});
  return at != catalogue.end() ? at->second : lookedUpInStock(c, label);
}

// handling.dat's values are the runs of non-blanks; the others' the texts between commas, without
// the blanks around them. A comma before the line end separates nothing.
std::vector<Span> valuesOf(FileKind k, std::string_view line) {
  std::vector<Span> values;
  form::Fields fields(line, k == FileKind::Handling);
  for (std::string_view value; fields.next(value);)
    values.push_back({static_cast<std::size_t>(value.data() - line.data()), value.size()});
  while (!values.empty() && values.back().size == 0)
    values.pop_back();
  return values;
}

// The handling line a vehicles.ide line's model uses: its handling column.
std::string_view handlingColumn(std::string_view line) {
  const std::vector<Span> values = valuesOf(FileKind::Vehicles, line);
  return values.size() > kHandlingColumn ? valueAt(line, values[kHandlingColumn]) : std::string_view();
}

std::string handlingName(std::size_t position) {
  // The letter the form gives the field and the name the stock copy's header gives it there:
  // "; B      mass                    kg, 1.0 to 50000.0".
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const form::Field& field : layoutOf(form::Section::Handling)->fields) {
      std::string name = field.name;
      const std::string prefix = "; " + name + "  ";
      for (std::string_view line : copyOf(FileKind::Handling).views()) {
        if (!line.starts_with(prefix)) continue;
        line.remove_prefix(std::min(line.find_first_not_of(' ', prefix.size()), line.size()));
        name += " " + std::string(line.substr(0, line.find("  ")));
        break;
      }
      all.push_back(name);
    }
    return all;
  }();
  return position < names.size() ? names[position] : std::string();
}

std::string fieldName(FileKind k, std::size_t position) {
  if (k == FileKind::Handling) return handlingName(position);
  const auto fields =
      layoutOf(k == FileKind::Vehicles ? form::Section::Models : form::Section::ColourPairs)->fields;
  return position < fields.size() ? std::string(fields[position].name) : std::string();
}

std::vector<FieldChange> differences(FileKind k, std::string_view current, std::string_view stock) {
  const std::vector<Span> now = valuesOf(k, current), then = valuesOf(k, stock);
  std::vector<FieldChange> out;
  for (std::size_t i = 0; i < std::max(now.size(), then.size()); ++i) {
    const Span c = i < now.size() ? now[i] : Span(), s = i < then.size() ? then[i] : Span();
    if (!c.present() || !s.present() || valueAt(current, c) != valueAt(stock, s))
      out.push_back({i, fieldName(k, i), s, c});
  }
  return out;
}

// Backwards, as the marker scan searches: the markers end the parts of a file that are searched.
bool hasLineWith(const LineBuffer& lines, std::string_view marker) {
  const auto all = lines.views();
  return std::any_of(all.rbegin(), all.rend(), [&](std::string_view l) { return scan::contains(l, marker); });
}

std::vector<LineChange> compared(const MainState& s, Category c, const Found& game, const Found& stock) {
  std::vector<LineChange> out;
  for (FileKind k : kFileKinds) {
    const std::int64_t at = game[indexOf(k)], stockAt = stock[indexOf(k)];
    if (stockAt < 0) continue; // no line the program writes: nothing to compare
    LineChange change;
    change.kind = k;
    change.stock = copyOf(k).at(stockAt);
    if (at < 0) {
      change.state = LineState::Missing;
      // A lookup searches up to its files' markers in this order, and stops at the first one missing.
      const auto markers = sectionMarkers(c);
      for (FileKind m : kFileKinds) {
        if (m > k) break;
        if (const char* marker = markers[indexOf(m)]; marker && !hasLineWith(s.file(m).lines, marker)) {
          change.marker = marker, change.markerFile = m;
          break;
        }
      }
    } else {
      change.index = at;
      change.current = s.file(k).lines.at(at);
      change.fields = differences(k, change.current, change.stock);
      if (change.fields.empty()) continue;
    }
    out.push_back(std::move(change));
  }
  return out;
}

// Models that use one handling line each change with it: the vehicles whose vehicles.ide line names
// another one's handling identifier are listed with that line, and its owner names them.
void shareHandlingLines(std::vector<VehicleChanges>& all,
                        const std::map<std::string, std::vector<std::size_t>>& users) {
  for (std::size_t owner = 0; owner < all.size(); ++owner) {
    for (LineChange& line : all[owner].lines) {
      if (line.kind != FileKind::Handling || line.state != LineState::Changed || !line.lineOf.empty())
        continue;
      const auto sharing = users.find(withoutTrailingBlanks(all[owner].label));
      if (sharing == users.end()) continue;
      for (std::size_t user : sharing->second) {
        if (user == owner) continue;
        line.sharedWith.push_back(all[user].label);
        LineChange theirs = line;
        theirs.sharedWith.clear();
        theirs.lineOf = all[owner].label;
        all[user].lines.push_back(std::move(theirs));
      }
    }
  }
  for (VehicleChanges& v : all)
    std::stable_sort(v.lines.begin(), v.lines.end(),
                     [](const LineChange& a, const LineChange& b) { return a.kind < b.kind; });
}

} // namespace

std::string_view valueAt(std::string_view line, Span span) {
  return span.present() ? line.substr(span.at, span.size) : std::string_view();
}

bool stockHasLine(Category c, const std::string& label, FileKind k) {
  return stockLines(c, label)[indexOf(k)] >= 0;
}

std::vector<LineChange> changesOf(const MainState& s, Category c) {
  return compared(s, c, foundBy(s), stockLines(c, s.vehicleLists[indexOf(c)].text));
}

std::vector<std::string> sharingHandlingLine(const std::array<LineBuffer, 3>& files,
                                             const std::string& label) {
  // Only the vehicles whose model has a line that names the identifier are looked up.
  const std::string key = withoutTrailingBlanks(label);
  std::vector<std::string_view> models;
  for (std::string_view line : files[indexOf(FileKind::Vehicles)].views())
    if (handlingColumn(line) == key) models.push_back(scan::firstField(line));
  std::vector<std::string> sharing;
  for (Category c : kCategories)
    for (const catalogue::Entry& e : catalogue::entries(c)) {
      if (e.text == label || std::find(models.begin(), models.end(), e.model) == models.end()) continue;
      MainState s;
      for (FileKind k : kFileKinds)
        s.file(k).lines = files[indexOf(k)];
      if (const std::int64_t ide = lookedUp(s, c, std::string(e.text))[indexOf(FileKind::Vehicles)];
          ide >= 0 && handlingColumn(s.file(FileKind::Vehicles).lines.at(ide)) == key)
        sharing.emplace_back(e.text);
    }
  return sharing;
}

std::vector<VehicleChanges> changesAgainstStock(const std::array<LineBuffer, 3>& files) {
  std::vector<VehicleChanges> all;
  std::map<std::string, std::vector<std::size_t>> users; // by handling identifier
  // Each lookup as a freshly started window runs it: nothing one leaves in the working fields
  // decides the next. The files move from one state to the next; their lines are not copied.
  std::array<LineBuffer, 3> lines = files;
  const MainState started; // copied, not built again: building one words its texts anew
  for (Category c : kCategories) {
    for (const catalogue::Entry& e : catalogue::entries(c)) {
      MainState s = started;
      for (FileKind k : kFileKinds)
        s.file(k).lines = std::move(lines[indexOf(k)]);
      const std::string label(e.text);
      const Found game = lookedUp(s, c, label);
      all.push_back({c, label, compared(s, c, game, stockLines(c, label))});
      if (const std::int64_t ide = game[indexOf(FileKind::Vehicles)]; ide >= 0)
        users[std::string(handlingColumn(s.file(FileKind::Vehicles).lines.at(ide)))].push_back(all.size() -
                                                                                               1);
      for (FileKind k : kFileKinds)
        lines[indexOf(k)] = std::move(s.file(k).lines);
    }
  }
  shareHandlingLines(all, users);
  std::erase_if(all, [](const VehicleChanges& v) { return v.lines.empty(); });
  return all;
}

} // namespace fw::stock
