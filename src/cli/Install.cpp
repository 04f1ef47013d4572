#include "cli/Install.h"

#include "backup/ModInstall.h"
#include "backup/WriteAll.h"
#include "cli/FindingText.h"
#include "cli/Output.h"
#include "cli/Session.h"
#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "common/TextDecoding.h"
#include "form/ModText.h"

namespace fw::cli {
namespace {

using form::ModFile;
using form::ModLine;
using form::Taken;

std::string u8(std::string_view bytes) { return cp1251::toUtf8(bytes); }

// The text's bytes and their decoding, with the user told in words what stopped it.
std::u16string readText(const std::string& file, const std::string& shown) {
  try {
    return text::decode(file == "-" ? text::readStandardInput()
                                    : text::readFile(FilePath::chosenByUser(file)))
        .text;
  } catch (const Error& e) {
    switch (e.reason()) {
    case Reason::CannotOpen:
      throw Failure(say("Cannot read " + shown + ": there is no such file, or no permission to read it.",
                        "Не удаётся прочитать " + shown + ": такого файла нет или нет прав на чтение."));
    case Reason::NotAFile:
      throw Failure(
          say(shown + " is no file (a folder, a pipe or a device): give the path of the mod's read-me.",
              shown + " — не файл (папка, канал или устройство): укажите путь к read-me мода."));
    case Reason::TextTooLarge:
      throw Failure(say(shown + " is larger than 16 MiB, which no mod's read-me is: nothing was read.",
                        shown + " больше 16 МБ, а read-me мода таким не бывает: ничего не прочитано."));
    case Reason::EmptyText: throw Failure(say(shown + " is empty.", shown + " пуст."));
    case Reason::NotText:
      throw Failure(say(shown + " is no text (a picture or an archive?): give the mod's read-me.",
                        shown + " — не текст (картинка или архив?): укажите read-me мода."));
    default: throw;
    }
  }
}

std::string noLines(const form::NoModLines& e, const std::string& shown) {
  std::string en, ru;
  for (FileKind k : kFileKinds) {
    const auto shape = e.shapes[indexOf(k)];
    if (!shape) continue;
    const std::string file = kindInfo(k).fileName, more = std::to_string(*shape ? *shape - 1 : 0);
    en += (en.empty() ? " " : "; ") + file +
          (k == FileKind::Handling ? ", an identifier and " + more + " numbers"
           : *shape                ? ", a model name and " + more + " more values separated by commas"
                                   : ", a model name and colour indices separated by commas");
    ru += (ru.empty() ? " " : "; ") + file +
          (k == FileKind::Handling ? " — идентификатор и за ним числа (" + more + ")"
           : *shape                ? " — название модели и за ним значения через запятую (" + more + ")"
                    : " — название модели и за ним номера цветов через запятую");
  }
  const std::string label = u8(e.subject());
  return say(shown + " has no line for " + label + " in any of the files. Looked for:" + en + ".",
             "В " + shown + " нет строки для " + label + " ни для одного из файлов. Искались:" + ru + ".");
}

std::string where(const std::string& shown, const ModLine& l) {
  return shown + ":" + std::to_string(l.line) + ": " + u8(l.name);
}

// A pack leaves a choice, which the command line does not guess: --take names it.
void take(form::ModReading& r, const Arguments& a, const std::string& shown) {
  std::string choices;
  for (FileKind k : kFileKinds) {
    const ModFile& f = r[indexOf(k)];
    if (f.why != Taken::Choice) continue;
    choices += std::string("\n  ") + kindInfo(k).fileName + ":";
    for (const ModLine& l : f.lines)
      (choices += ' ') += where(shown, l);
  }
  if (!a.take) {
    if (choices.empty()) return;
    throw Failure(
        say(shown + " holds the lines of several vehicles; name the one to install with --take NAME:",
            shown + " содержит строки нескольких машин; укажите нужную: --take ИМЯ:") +
        choices);
  }
  const auto named = form::linesNamed(r, *a.take);
  if (!named[0] && !named[1] && !named[2])
    throw Failure(say("No line of " + shown + " names " + *a.take + ".",
                      "Ни одна строка " + shown + " не называет " + *a.take + "."));
  for (FileKind k : kFileKinds) {
    ModFile& f = r[indexOf(k)];
    f.taken = named[indexOf(k)];
    f.why = f.taken ? Taken::Choice : Taken::None;
  }
}

void printTaken(const MainState& s, const form::ModReading& r, const std::string& shown) {
  const std::string label = u8(s.vehicleLabel);
  for (FileKind k : kFileKinds) {
    const ModFile& f = r[indexOf(k)];
    const std::string file = std::string(kindInfo(k).fileName) + ": ";
    if (!f.open)
      print(file + say(label + " has no line of it to replace; it is left as it is.",
                       "у " + label + " нет строки в нём, файл остаётся как есть."));
    else if (!f.taken)
      print(file + say(shown + " has no line for it; it is left as it is.",
                       "в " + shown + " нет строки для него, файл остаётся как есть."));
    else if (f.why == Taken::Only)
      print(file + where(shown, f.lines[*f.taken]) +
            say(", a mod written for another vehicle", ", мод для другой машины"));
    else
      print(file + where(shown, f.lines[*f.taken]));
  }
}

void printNotes(const MainState& s, const form::ModValues& v) {
  const std::string label = u8(withoutTrailingBlanks(s.vehicleLabel));
  if (!v.handlingReplaced.empty())
    print(say("vehicles.ide: its handling column " + u8(v.handlingReplaced) + " becomes " + label +
                  ", as the mod's handling.dat line is written as " + label + "'s.",
              "vehicles.ide: столбец handling " + u8(v.handlingReplaced) + " заменён на " + label +
                  ", ведь строка handling.dat мода записывается как строка " + label + "."));
  if (!v.foreignType.empty())
    warn(say("warning: vehicles.ide: the type is " + u8(v.foreignType) + ", where " + label + " is a " +
                 std::string(form::typeOf(s.category)) + ".",
             "внимание: vehicles.ide: тип " + u8(v.foreignType) + ", а " + label + " — " +
                 std::string(form::typeOf(s.category)) + "."));
}

} // namespace

void install(const Arguments& a) {
  const Vehicle v = vehicleNamed(a.operand);
  const std::string shown = a.textFile == "-" ? say("standard input", "стандартный ввод") : a.textFile;
  const std::u16string text = readText(a.textFile, shown);
  MainState s = started();
  lookUp(s, v);
  form::ModReading r;
  try {
    r = form::readMod(s, text);
  } catch (const form::NoModLines& e) {
    throw Failure(noLines(e, shown));
  }
  take(r, a, shown);
  printTaken(s, r, shown);
  const form::ModValues values = form::valuesOf(s, r);
  printNotes(s, values);
  std::vector<PlannedWrite> plans;
  try {
    plans = planInstall(s, r, values);
  } catch (const LacksCharacter& e) {
    const std::string c = text::utf8Of(e.character), name = codePointName(e.character);
    throw Failure(say(shown + ":" + std::to_string(e.line) + ": " + c + " (" + name +
                          ") is no character of Windows-1251, which the game's files are written in: "
                          "nothing was written.",
                      shown + ":" + std::to_string(e.line) + ": символа " + c + " (" + name +
                          ") нет в кодировке Windows-1251 файлов игры: ничего не записано."));
  }
  showPlans(s, plans, a.dryRun, Frame::ModLine);
  refuseErrors(plans, a);
  if (!a.dryRun) writePlanned(s, a, [&] { return writeAll(s, std::move(plans), a.force, services()); });
}

} // namespace fw::cli
