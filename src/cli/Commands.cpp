#include "cli/Commands.h"

#include "backup/RecordCheck.h"
#include "backup/Restore.h"
#include "backup/WriteAll.h"
#include "cli/FindingText.h"
#include "cli/Install.h"
#include "cli/Output.h"
#include "cli/Session.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "form/LineCheck.h"
#include "platform/Console.h"

#include <algorithm>
#include <utility>

namespace fw::cli {
namespace {

std::string lineAt(const DataFileState& f) { return cp1251::toUtf8(f.lines.at(lineNumber(f) - 1)); }

void show(const Arguments& a) {
  const Vehicle v = vehicleNamed(a.operand);
  MainState s = started();
  lookUp(s, v);
  for (FileKind k : kFileKinds) {
    const DataFileState& f = s.file(k);
    const std::string file = kindInfo(k).fileName;
    if (f.record.found)
      print(file + ":" + std::to_string(lineNumber(f)) + ":" + lineAt(f));
    else
      print(file + ": no line for " + a.operand);
  }
}

// The findings of each line, on stderr, or under its lines in a dry run.
void showPlans(const Arguments& a, const std::vector<PlannedWrite>& plans) {
  for (const PlannedWrite& p : plans) {
    if (a.dryRun) {
      print(std::string(kindInfo(p.kind).fileName) + ":" + std::to_string(p.index + 1));
      print("- " + cp1251::toUtf8(p.oldLine));
      print("+ " + cp1251::toUtf8(p.newLine));
    }
    for (const form::Finding& finding : p.verdict.findings)
      (a.dryRun ? print : warn)(located(finding, p.index + 1));
  }
}

void replace(const Arguments& a) {
  const Vehicle v = vehicleNamed(a.operand);
  // Every value is checked before the first file is touched.
  std::array<std::optional<std::string>, 3> typed;
  for (FileKind k : kFileKinds)
    if (a.values[indexOf(k)]) typed[indexOf(k)] = encoded(*a.values[indexOf(k)]);
  MainState s = started();
  logging(s, [&] {
    lookUp(s, v);
    std::vector<PlannedWrite> plans;
    for (FileKind k : kFileKinds)
      if (typed[indexOf(k)]) plans.push_back(planTyped(s, k, *typed[indexOf(k)]));
    showPlans(a, plans);
    if (holdsErrors(plans) && !a.force)
      throw Failure(
          "The game cannot load these lines: nothing was written. --force writes them all the same.");
    if (a.dryRun) return;
    try {
      writeAll(s, std::move(plans), a.force, services());
    } catch (const PartlyWritten& e) {
      std::string written;
      for (FileKind k : e.written())
        written += (written.empty() ? "" : ", ") + std::string(kindInfo(k).fileName);
      throw Failure(utf8Message(e.cause().withFullStop()) + " Written before it: " + written + ".");
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
    backup::requireLookedUp(s, parsed->kind);
    // The window keeps the restore page closed for a handling-only vehicle's other files.
    if (!s.file(parsed->kind).restoreButton.enabled)
      throw Failure(std::string("The window offers no ") + kindInfo(parsed->kind).fileName +
                    " row for this vehicle.");
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
  case Command::Install: return install(a);
  case Command::Version: return print("fleetwick " FLEETWICK_VERSION);
  case Command::Help: break;
  }
  platform::write(platform::Stream::Out, kUsage);
}

} // namespace fw::cli
