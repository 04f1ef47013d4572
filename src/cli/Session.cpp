#include "cli/Session.h"

#include "backup/BackupStore.h"
#include "backup/RecordWriter.h"
#include "cli/ErrorText.h"
#include "cli/FindingText.h"
#include "cli/Output.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/Integer.h"
#include "common/TextDecoding.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
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
    const std::string file = kindInfo(k).fileName;
    if (marker && std::none_of(lines.begin(), lines.end(),
                               [&](std::string_view l) { return scan::contains(l, marker); }))
      throw Failure(say(
          file + " has no line with \"" + marker +
              "\", which ends the part of it that is searched: put that line back, or save the stock " +
              file + " from the window's File menu. To see what else is wrong: fleetwick-cli check",
          "В " + file + " нет строки \"" + marker +
              "\", которой кончается просматриваемая часть: верните эту строку или сохраните стандартный " +
              file + " из меню \"Файл\" окна. Что ещё не так, покажет: fleetwick-cli check"));
  }
}

std::string quoted(const std::string& path) {
  return path.find_first_of(" '\"&;()$`\\") == std::string::npos ? path : "\"" + path + "\"";
}

std::string joined(const std::vector<std::string>& paths) {
  std::string out;
  for (const std::string& p : paths)
    out += (out.empty() ? "" : ", ") + readable(p);
  return out;
}

// A data file the folder lacks: no game here, most likely not the game folder at all.
[[noreturn]] void rethrowNamingTheGameFolder(const Error& e) {
  const std::string folder = platform::currentDirectory();
  for (FileKind k : kFileKinds) {
    const std::string file = readable(kindInfo(k).relativeFile);
    if (e.reason() != Reason::CannotOpen || e.path() != kindInfo(k).relativeFile ||
        platform::fileExists(platform::nativeLiteral(kindInfo(k).relativeFile)))
      continue;
    // -C pointing at the data files' own folder is the likeliest slip.
    const bool dataFolder = platform::fileExists(kindInfo(k).fileName);
    throw Failure(say(
        "No game here: " + folder + " has no " + file +
            ". Run fleetwick-cli in the game folder (the one that holds common/data), or name it "
            "with -C GAME_FOLDER." +
            (dataFolder ? " This is the game's common/data folder: the game folder is two "
                          "levels up (-C ../..)."
                        : ""),
        "Здесь нет игры: в " + folder + " нет " + file +
            ". Запустите fleetwick-cli в папке игры (там, где лежит common/data) или укажите её "
            "через -C ПАПКА_ИГРЫ." +
            (dataFolder ? " Это папка common/data игры: папка игры двумя уровнями выше (-C ../..)." : "")));
  }
  throw e;
}

} // namespace

MainState started() {
  MainState s;
  try {
    constructMainState(s);
  } catch (const Error& e) {
    rethrowNamingTheGameFolder(e);
  }
  return s;
}

std::array<LineBuffer, 3> dataFiles() {
  std::array<LineBuffer, 3> files;
  try {
    for (FileKind k : kFileKinds)
      files[indexOf(k)] = loadLines(FilePath::relative(kindInfo(k).relativeFile));
  } catch (const Error& e) {
    rethrowNamingTheGameFolder(e);
  }
  return files;
}

Services services() {
  return {[] { return backup::backupTimestamp(platform::localNow()); },
          [](FileKind, const LineBuffer&) {}}; // no viewer windows to reload
}

Vehicle vehicleNamed(const std::string& name) {
  if (auto v = findVehicle(name)) return *v;
  std::string names;
  for (const std::string& n : nearestNames(name))
    names += (names.empty() ? "" : ", ") + n;
  throw Failure(say(
      "\"" + name + "\" is no stock vehicle. Nearest: " + names + ". To list them all: fleetwick-cli list",
      "\"" + name + "\" — не стандартная машина. Похожие: " + names + ". Список всех: fleetwick-cli list"));
}

void lookUp(MainState& s, const Vehicle& v) {
  requireSectionMarkers(s, v.category);
  lookUpEntry(s, v.category, v.text);
}

std::string encoded(const std::string& utf8, const std::string& what) {
  if (auto bytes = cp1251::fromUtf8Text(utf8)) return *bytes;
  // The first character it cannot hold, unless the text stops being UTF-8 before it.
  for (std::size_t at = 0, start = 0; at < utf8.size(); start = at) {
    if (!text::nextUtf8(utf8, at)) break;
    const std::string character = utf8.substr(start, at - start);
    if (!cp1251::fromUtf8Text(character))
      throw Failure(
          say(what + " holds \"" + character +
                  "\", which Windows-1251, the game files' encoding, cannot hold: nothing was written. "
                  "Leave it out or put another character in its place.",
              what + " содержит \"" + character +
                  "\", которого нет в Windows-1251, кодировке файлов игры: ничего не записано. "
                  "Уберите его или замените другим знаком."));
  }
  throw Failure(say(what + " is no UTF-8 text: nothing was written.",
                    what + " — не текст в UTF-8: ничего не записано."));
}

std::string typedValues(const std::string& utf8, const std::string& option) {
  std::string text = encoded(utf8, option);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    text.pop_back();
  if (text.find_first_of("\r\n") != std::string::npos)
    throw Failure(say(option + " holds a line break: nothing was written. Give it the values of one line.",
                      option + " содержит перевод строки: ничего не записано. Дайте значения одной строки."));
  return text;
}

std::int64_t lineNumber(const DataFileState& f) { return toInteger(f.lineIndex) + 1; }

void showPlans(MainState& s, const std::vector<PlannedWrite>& plans, bool dryRun, Frame frame) {
  for (const PlannedWrite& p : plans) {
    if (dryRun) {
      print(std::string(kindInfo(p.kind).fileName) + ":" + std::to_string(p.index + 1));
      print("- " + cp1251::toUtf8(p.oldLine));
      print("+ " + cp1251::toUtf8(p.newLine));
    }
    for (const form::Finding& finding : p.verdict.findings)
      (dryRun ? print : warn)(located(finding, p.index + 1, frame));
  }
  if (!dryRun) return;
  if (const auto missing = backup::missingBackupFolders(s.startDirectory); !missing.empty()) {
    std::vector<std::string> paths;
    for (const FilePath& folder : missing)
      paths.push_back(folder.text);
    print(say("The write would make the folders for the backups: ",
              "Запись создала бы папки для резервных копий: ") +
          joined(paths));
    return; // each write below would find its backup folder missing
  }
  for (const PlannedWrite& p : plans) {
    try {
      requireWritable(s, p.kind);
    } catch (const Error& e) {
      print(say("warning: the write would be refused: ", "внимание: запись не удалась бы: ") + explained(e));
    }
  }
}

void refuseErrors(const std::vector<PlannedWrite>& plans, const Arguments& a) {
  if (!holdsErrors(plans) || a.force) return;
  bool names = false;
  for (const PlannedWrite& p : plans)
    for (const form::Finding& f : p.verdict.findings)
      names |= f.problem == form::Problem::NameTypedAgain;
  throw Failure(
      say(std::string("Nothing was written: the game cannot load these lines. ") +
              (names ? "Leave out the names the program writes itself (the warning above), then mend "
                       "what the errors above name. "
                     : "Mend what the errors above name. ") +
              "--dry-run shows the line that would be written; --force writes it anyway, only for a line "
              "you know the game takes.",
          std::string("Ничего не записано: игра не загрузит эти строки. ") +
              (names ? "Уберите названия, которые программа пишет сама (предупреждение выше), затем "
                       "исправьте то, что называют ошибки выше. "
                     : "Исправьте то, что называют ошибки выше. ") +
              "--dry-run покажет строку, которая была бы записана; --force запишет её всё равно — только "
              "если вы знаете, что игра её примет."));
}

std::string commandLine(const Arguments& a, const std::string& command) {
  return "fleetwick-cli " + (a.folder ? "-C " + quoted(*a.folder) + " " : std::string()) + command;
}

void writePlanned(MainState& s, const Arguments& a, const std::function<std::vector<WrittenFile>()>& write) {
  std::vector<std::string> made;
  try {
    made = backup::makeBackupFolders(s.startDirectory);
  } catch (const Error& e) {
    const std::string folder = readable(e.path());
    throw Failure(
        say("Cannot make the folder " + folder +
                " for the backups: something else has its name, or its folder takes no new files. Nothing "
                "was changed.",
            "Не удаётся создать папку " + folder +
                " для резервных копий: это имя уже занято или папка не принимает новые файлы. Ничего не "
                "изменено."));
  }
  if (!made.empty())

    print(say("Made the folders for the backups: ", "Созданы папки для резервных копий: ") + joined(made));

  const auto report = [&](const std::vector<WrittenFile>& written) {
    for (const WrittenFile& w : written) {
      const std::string name = cp1251::toUtf8(w.backupName), file = kindInfo(w.kind).fileName;
      print(say("Backup " + name + " made...", "Резервная копия " + name + " создана..."));
      print(say(file + " written...", file + " записан..."));
    }
    for (const WrittenFile& w : written) {
      const std::string name = cp1251::toUtf8(w.backupName);
      print(say("To undo: ", "Отменить: ") +
            commandLine(a, "restore " + quoted(name.substr(0, name.size() - 3))));
    }
  };
  std::vector<WrittenFile> written;
  try {
    written = write();
  } catch (const PartlyWritten& e) {
    report(e.written());
    std::string files;
    for (const WrittenFile& w : e.written())
      files += (files.empty() ? "" : ", ") + std::string(kindInfo(w.kind).fileName);
    const std::string failed = readable(e.cause().path());
    throw Failure(say("Cannot write " + failed +
                          " (a full disk, or another program holding it): the command "
                          "stopped after " +
                          files + " had been written. The commands above put those back.",
                      "Не удаётся записать " + failed +
                          " (диск полон или файл занят другой программой): команда "
                          "остановилась, когда " +
                          files + " уже были записаны. Команды выше вернут прежнее."));
  }
  report(written);
}

} // namespace fw::cli
