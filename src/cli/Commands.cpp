#include "cli/Commands.h"

#include "backup/BackupStore.h"
#include "backup/RecordCheck.h"
#include "backup/RecordWriter.h"
#include "backup/Restore.h"
#include "cli/FindingText.h"
#include "cli/Vehicles.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/Services.h"
#include "platform/Console.h"
#include "records/CategorySwitch.h"
#include "records/Lookup.h"
#include "records/Scans.h"
#include "records/Startup.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace fw::cli {
namespace {

void print(const std::string& utf8) { platform::write(platform::Stream::Out, utf8 + "\n"); }

std::string encoded(const std::string& utf8) {
  if (auto bytes = cp1251::fromUtf8Text(utf8)) return *bytes;
  // The window's own words for text it refuses.
  throw Failure("Текст содержит символы, которых нет в кодировке Windows-1251.");
}

// A value the window's input row would take, checked as the row's OK checks it.
std::string typedValue(const std::string& utf8) {
  std::string bytes = encoded(utf8);
  requireOneLine(bytes);
  return bytes;
}

Vehicle vehicleNamed(const std::string& name) {
  if (auto v = findVehicle(name)) return *v;
  std::string nearest;
  for (const std::string& n : nearestNames(name))
    nearest += (nearest.empty() ? "" : ", ") + n;
  throw Failure("\"" + name + "\" is no stock vehicle. Nearest: " + nearest + ".");
}

Services services() {
  return {[] { return backup::backupTimestamp(platform::localNow()); },
          [](FileKind, const LineBuffer&) {}}; // no viewer windows to reload
}

MainState started() {
  MainState s;
  constructMainState(s);
  return s;
}

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

// What a user does in the window: the category's radio button, the entry in its list, "ОК".
void lookUp(MainState& s, const Vehicle& v) {
  requireSectionMarkers(s, v.category);
  selectCategory(s, v.category);
  s.vehicleList(v.category).text = v.text;
  vehicleListChanged(s);
  lookUpVehicle(s, v.category);
}

// A button the window has disabled cannot be clicked, and the handler behind it was never meant to
// run in that state: a script is stopped first, with the handler's message for a vehicle whose
// line was not found.
void requireEnabled(const MainState& s, FileKind k, const ButtonState& button) {
  backup::requireLookedUp(s, k);
  if (!button.enabled)
    throw Failure(std::string("The window offers no ") + kindInfo(k).fileName + " row for this vehicle.");
}

// The handlers log as they go; what they logged before a failure is printed too.
template <class Steps> void logging(MainState& s, Steps steps) {
  const std::size_t from = s.log.size();
  auto flush = [&] {
    for (std::size_t i = from; i < s.log.size(); ++i)
      print(cp1251::toUtf8(s.log.at(static_cast<std::int64_t>(i))));
  };
  try {
    steps();
  } catch (...) {
    flush();
    throw;
  }
  flush();
}

std::string lineNumber(const DataFileState& f) { return std::to_string(std::atoll(f.lineIndex.c_str()) + 1); }

void show(const Arguments& a) {
  const Vehicle v = vehicleNamed(a.operand);
  MainState s = started();
  lookUp(s, v);
  for (FileKind k : kFileKinds) {
    const DataFileState& f = s.file(k);
    const std::string file = kindInfo(k).fileName;
    if (f.record.found)
      print(file + ":" + lineNumber(f) + ":" + cp1251::toUtf8(f.lines.at(std::atoll(f.lineIndex.c_str()))));
    else
      print(file + ": no line for " + a.operand);
  }
}

// The findings of each value, on stderr, or under its lines in a dry run; refuses values with an
// error unless forced.
void judgeValues(const Arguments& a, const MainState& s,
                 const std::array<std::optional<std::string>, 3>& typed) {
  bool errors = false;
  for (FileKind k : kFileKinds) {
    if (!typed[indexOf(k)]) continue;
    const DataFileState& f = s.file(k);
    if (a.dryRun) {
      print(std::string(kindInfo(k).fileName) + ":" + lineNumber(f));
      print("- " + cp1251::toUtf8(f.lines.at(std::atoll(f.lineIndex.c_str()))));
      print("+ " + cp1251::toUtf8(replacementLine(s, k, *typed[indexOf(k)])));
    }
    for (const form::Finding& finding : checkTyped(s, k, *typed[indexOf(k)]).findings) {
      errors |= finding.severity == form::Severity::Error;
      const std::string text = located(finding, std::atoll(f.lineIndex.c_str()) + 1);
      if (a.dryRun)
        print(text);
      else
        platform::write(platform::Stream::Err, text + "\n");
    }
  }
  if (errors && !a.force)
    throw Failure("The game cannot load these lines: nothing was written. --force writes them all the same.");
}

void replace(const Arguments& a) {
  const Vehicle v = vehicleNamed(a.operand);
  // Every value is checked before the first file is touched.
  std::array<std::optional<std::string>, 3> typed;
  for (FileKind k : kFileKinds)
    if (a.values[indexOf(k)]) typed[indexOf(k)] = typedValue(*a.values[indexOf(k)]);
  const auto named = [&](FileKind k) { return typed[indexOf(k)].has_value(); };
  MainState s = started();
  logging(s, [&] {
    lookUp(s, v);
    // Each row the window must offer before any file is written: a script never stops half-way
    // for a row it could have known of.
    for (FileKind k : kFileKinds)
      if (named(k)) requireEnabled(s, k, s.file(k).writeButton);
    judgeValues(a, s, typed);
    if (a.dryRun) return;
    // One hold of the lock for all the files, and every file checked before the first is written:
    // another copy cannot slip in between them, and a file that would refuse the write stops the
    // command while nothing has changed.
    const GameFolderLock lock(s.startDirectory);
    for (FileKind k : kFileKinds)
      if (named(k)) requireWritable(s, k);
    std::string written;
    for (FileKind k : kFileKinds) {
      if (!named(k)) continue;
      s.file(k).input.text = *typed[indexOf(k)];
      try {
        writeLineHoldingLock(s, k, services());
      } catch (const Error& e) {
        if (written.empty()) throw;
        // A fault no check foresees (a full disk) struck after a file was changed: say which.
        throw Failure(utf8Message(e.withFullStop()) + " Written before it: " + written + ".");
      }
      written += (written.empty() ? "" : ", ") + std::string(kindInfo(k).fileName);
    }
  });
}

// The files as they are on disk, every finding on stdout; the counts last, on stderr when there are
// errors.
void check() {
  std::array<LineBuffer, 3> files;
  for (FileKind k : kFileKinds)
    files[indexOf(k)] = loadLines(FilePath::relative(kindInfo(k).relativeFile));
  std::size_t counts[2] = {};
  std::string out;
  form::checkFiles(files, [&](const form::Finding& f) {
    ++counts[static_cast<std::size_t>(f.severity)];
    out += located(f, f.line) + "\n";
    // A broken file of a million lines is written as it is judged, in large pieces.
    if (out.size() > 65536) platform::write(platform::Stream::Out, std::exchange(out, {}));
  });
  platform::write(platform::Stream::Out, out);
  const std::string summary =
      std::to_string(counts[0]) + " errors, " + std::to_string(counts[1]) + " warnings.";
  if (counts[0]) throw Failure(summary);
  print(summary);
}

// The time a dated list gives the backup: its line is the name, ten blanks and the time, unless
// the user edited it.
std::string timeOf(const LineBuffer& dated, const std::string& name) {
  for (std::string_view line : dated.views()) {
    if (!line.starts_with(name + " ")) continue;
    line.remove_prefix(name.size());
    return std::string(line.substr(std::min(line.find_first_not_of(' '), line.size())));
  }
  return {};
}

void backups(const Arguments& a) {
  std::optional<Vehicle> only;
  if (!a.operand.empty()) only = vehicleNamed(a.operand);
  const MainState s = started();
  for (FileKind k : kFileKinds) {
    const DataFileState& f = s.file(k);
    for (const std::string& name : f.backupNames.items) {
      const auto parsed = parseBackupName(name);
      if (only && (!parsed || parsed->label != only->text)) continue;
      print(std::string(kindInfo(k).fileName) + "\t" + cp1251::toUtf8(name) + "\t" +
            cp1251::toUtf8(timeOf(f.datedList, name)));
    }
  }
}

void restore(const Arguments& a) {
  const std::string name = encoded(a.operand);
  const auto parsed = parseBackupName(name);
  if (!parsed)
    throw Failure("\"" + a.operand +
                  "\" is no backup name: handling_, vehicles_ or carcols_, the vehicle, _, " +
                  "a number and .hb.");
  const Vehicle v = vehicleNamed(parsed->label);
  MainState s = started();
  logging(s, [&] {
    lookUp(s, v);
    requireEnabled(s, parsed->kind, s.file(parsed->kind).restoreButton);
    s.file(parsed->kind).backupNames.text = name;
    restoreLine(s, parsed->kind, services());
  });
}

} // namespace

void runCommand(const Arguments& a) {
  switch (a.command) {
  case Command::Show: return show(a);
  case Command::Replace: return replace(a);
  case Command::Backups: return backups(a);
  case Command::Restore: return restore(a);
  case Command::Check: return check();
  case Command::Version: return print("fleetwick " FLEETWICK_VERSION);
  case Command::Help: break;
  }
  platform::write(platform::Stream::Out, kUsage);
}

} // namespace fw::cli
