#include "cli/Commands.h"

#include "backup/RecordCheck.h"
#include "backup/Restore.h"
#include "backup/WriteAll.h"
#include "cli/FindingText.h"
#include "cli/Install.h"
#include "cli/Output.h"
#include "cli/Session.h"
#include "cli/Stock.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "form/LineCheck.h"
#include "platform/Console.h"
#include "records/Catalogue.h"

#include <algorithm>
#include <utility>

namespace fw::cli {
namespace {

std::string lineAt(const DataFileState& f) { return cp1251::toUtf8(f.lines.at(lineNumber(f) - 1)); }

void list(const Arguments& a) {
  if (!a.operand.empty() && std::none_of(kCategories.begin(), kCategories.end(),
                                         [&](Category c) { return a.operand == categoryWord(c); }))
    throw Failure(say("There is no category " + a.operand + ": car, bike, boat or heli.",
                      "Нет категории " + a.operand + ": car, bike, boat или heli."));
  for (Category c : kCategories) {
    if (!a.operand.empty() && a.operand != categoryWord(c)) continue;
    for (const catalogue::Entry& e : catalogue::entries(c)) {
      print(withoutTrailingBlanks(e.text) + "\t" + (e.model.empty() ? "-" : std::string(e.model)) + "\t" +
            categoryWord(c));
    }
  }
}

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
      print(file + ": " + say("no line for ", "нет строки ") + a.operand);
  }
}

void replace(const Arguments& a) {
  const Vehicle v = vehicleNamed(a.operand);
  // Every value is checked before the first file is touched.
  static const char* const options[] = {"--handling", "--vehicles", "--carcols"};
  std::array<std::optional<std::string>, 3> typed;
  for (FileKind k : kFileKinds)
    if (a.values[indexOf(k)]) typed[indexOf(k)] = typedValues(*a.values[indexOf(k)], options[indexOf(k)]);
  MainState s = started();
  lookUp(s, v);
  std::vector<PlannedWrite> plans;
  for (FileKind k : kFileKinds)
    if (typed[indexOf(k)]) plans.push_back(planTyped(s, k, *typed[indexOf(k)]));
  showPlans(s, plans, a.dryRun, Frame::Typed);
  refuseErrors(plans, a);
  if (!a.dryRun) writePlanned(s, a, [&] { return writeAll(s, std::move(plans), a.force, services()); });
}

// The files as they are on disk, every finding on stdout; the counts last, on stderr when there are
// errors.
void check() {
  const std::array<LineBuffer, 3> files = dataFiles();
  std::size_t counts[2] = {};
  std::string out;
  form::checkFiles(files, [&](const form::Finding& f) {
    ++counts[static_cast<std::size_t>(f.severity)];
    out += located(f, f.line, Frame::Typed) + "\n"; // a line of a file counts in itself
    // A broken file of a million lines is written as it is judged, in large pieces.
    if (out.size() > 65536) platform::write(platform::Stream::Out, std::exchange(out, {}));
  });
  platform::write(platform::Stream::Out, out);
  const std::string errors = std::to_string(counts[0]), warnings = std::to_string(counts[1]);
  const std::string summary = say(errors + " errors, " + warnings + " warnings.",
                                  "ошибок: " + errors + ", предупреждений: " + warnings + ".");
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

// The backup's line, shortened to what tells backups apart at a glance.
std::string backedUpLine(const MainState& s, FileKind k, const std::string& name) {
  try {
    std::string line = cp1251::toUtf8(
        loadLines(FilePath::under(s.startDirectory, std::string(kindInfo(k).backupDir) + name)).at(0));
    constexpr std::size_t kShown = 60;
    if (line.size() > kShown) {
      std::size_t cut = kShown; // the first byte left out, moved back to where its character begins
      while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
        --cut;
      line.resize(cut);
      line += "...";
    }
    return line;
  } catch (const Error&) {
    return say("(no such file)", "(файла нет)");
  }
}

void backups(const Arguments& a) {
  std::optional<Vehicle> only;
  if (!a.operand.empty()) only = vehicleNamed(a.operand);
  const MainState s = started();
  bool any = false;
  for (FileKind k : kFileKinds) {
    const DataFileState& f = s.file(k);
    for (const std::string& name : f.backupNames.items) {
      const auto parsed = parseBackupName(name);
      if (only && (!parsed || parsed->label != only->text)) continue;
      any = true;
      print(std::string(kindInfo(k).fileName) + "\t" + cp1251::toUtf8(name) + "\t" +
            cp1251::toUtf8(timeOf(f.datedList, name)) + "\t" + backedUpLine(s, k, name));
    }
  }
  if (any) return;
  const std::string whose = only ? cp1251::toUtf8(only->text) : std::string();
  print(only ? say("No backups of " + whose + " yet: replace, install and reset make them.",
                   "Резервных копий " + whose + " пока нет: их делают replace, install и reset.")
             : say("No backups yet: replace, install and reset make them.",
                   "Резервных копий пока нет: их делают replace, install и reset."));
}

void restore(const Arguments& a) {
  std::string name = encoded(a.operand, "BACKUP_NAME");
  if (!name.ends_with(".hb")) name += ".hb";
  const auto parsed = parseBackupName(name);
  if (!parsed) {
    if (findVehicle(a.operand))
      throw Failure(
          say(a.operand + " is a vehicle, and restore takes the name of one of its backups; to list them: " +
                  commandLine(a, "backups " + a.operand),
              a.operand + " — машина, а restore нужно имя одной из её резервных копий; список копий: " +
                  commandLine(a, "backups " + a.operand)));
    throw Failure(
        say("\"" + a.operand +
                "\" is no backup's name: handling_, vehicles_ or carcols_, the vehicle, _ and a number "
                "(handling_BANSHEE_1); to list the backups: " +
                commandLine(a, "backups"),
            "\"" + a.operand +
                "\" — не имя резервной копии: handling_, vehicles_ или carcols_, машина, _ и номер "
                "(handling_BANSHEE_1); список копий: " +
                commandLine(a, "backups")));
  }
  const Vehicle v = vehicleNamed(cp1251::toUtf8(parsed->label));
  MainState s = started();
  lookUp(s, v);
  const KindInfo& info = kindInfo(parsed->kind);
  backup::requireLookedUp(s, parsed->kind);
  const std::string label = cp1251::toUtf8(parsed->label);
  // The window keeps the restore page closed for a handling-only vehicle's other files.
  if (!s.file(parsed->kind).restoreButton.enabled)
    throw Failure(say(label + " has no line in " + info.fileName + " to put a backup in.",
                      "У " + label + " нет строки в " + info.fileName + ", куда вернуть копию."));
  if (!exists(FilePath::under(s.startDirectory, info.backupDir + name)))
    throw Failure(say("There is no backup " + cp1251::toUtf8(name) + "; to list " + label +
                          "'s backups: " + commandLine(a, "backups " + label),
                      "Резервной копии " + cp1251::toUtf8(name) + " нет; список копий " + label + ": " +
                          commandLine(a, "backups " + label)));

  s.file(parsed->kind).backupNames.text = name;
  restoreLine(s, parsed->kind, services());
  print(say("Backup " + cp1251::toUtf8(name) + " restored...",
            "Резервная копия " + cp1251::toUtf8(name) + " восстановлена..."));
}

} // namespace

void runCommand(const Arguments& a) {
  switch (a.command) {
  case Command::List: return list(a);
  case Command::Show: return show(a);
  case Command::Replace: return replace(a);
  case Command::Backups: return backups(a);
  case Command::Restore: return restore(a);
  case Command::Check: return check();
  case Command::Status: return status();
  case Command::Reset: return reset(a);
  case Command::Install: return install(a);
  case Command::Version: return print("fleetwick " FLEETWICK_VERSION);
  case Command::Help: break;
  }
  platform::write(platform::Stream::Out, usage());
}

} // namespace fw::cli
