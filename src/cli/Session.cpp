#include "cli/Session.h"

#include "backup/BackupStore.h"
#include "cli/Output.h"
#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "common/Integer.h"
#include "platform/Console.h"
#include "records/Lookup.h"
#include "records/Scans.h"
#include "records/Startup.h"

#include <algorithm>

namespace fw::cli {
namespace {

// The window reports a file without its section marker as a field that holds no number; a script's
// author is told which file lacks which marker.
void requireSectionMarkers(const MainState& s, Category c) {
  const auto markers = sectionMarkers(c);
  for (FileKind k : kFileKinds) {
    const char* marker = markers[indexOf(k)];
    const auto lines = s.file(k).lines.views();
    if (marker && std::none_of(lines.begin(), lines.end(),
                               [&](std::string_view l) { return scan::contains(l, marker); }))
      throw Failure(std::string(kindInfo(k).fileName) + " has no line with \"" + marker +
                    "\", which ends the part of it that is searched.");
  }
}

} // namespace

MainState started() {
  MainState s;
  constructMainState(s);
  return s;
}

Services services() {
  return {[] { return backup::backupTimestamp(platform::localNow()); },
          [](FileKind, const LineBuffer&) {}}; // no viewer windows to reload
}

Vehicle vehicleNamed(const std::string& name) {
  if (auto v = findVehicle(name)) return *v;
  std::string nearest;
  for (const std::string& n : nearestNames(name))
    nearest += (nearest.empty() ? "" : ", ") + n;
  throw Failure("\"" + name + "\" is no stock vehicle. Nearest: " + nearest + ".");
}

void lookUp(MainState& s, const Vehicle& v) {
  requireSectionMarkers(s, v.category);
  lookUpEntry(s, v.category, v.text);
}

std::string encoded(const std::string& utf8) {
  if (auto bytes = cp1251::fromUtf8Text(utf8)) return *bytes;
  // The window's own words for text it refuses.
  throw Failure("Текст содержит символы, которых нет в кодировке Windows-1251.");
}

std::int64_t lineNumber(const DataFileState& f) { return toInteger(f.lineIndex) + 1; }

void printLog(const MainState& s, std::size_t from) {
  for (std::size_t i = from; i < s.log.size(); ++i)
    print(cp1251::toUtf8(s.log.at(static_cast<std::int64_t>(i))));
}

} // namespace fw::cli
