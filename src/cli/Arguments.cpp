#include "cli/Arguments.h"

#include "cli/Output.h"

#include <algorithm>
#include <map>

namespace fw::cli {

std::string usage() {
  return say(R"(usage: fleetwick-cli [-C GAME_FOLDER] COMMAND ...

Run it in the game folder (the one that holds common/data/handling.dat), or name that folder
with -C. VEHICLE is a stock vehicle's name as handling.dat or vehicles.ide writes it (BANSHEE or
banshee); `fleetwick-cli list` lists them.

  list [CATEGORY]            the stock vehicles: name, model name, category (car, bike, boat, heli)
  show VEHICLE               the vehicle's line in each data file, with its line number
  replace VEHICLE [--handling VALUES] [--vehicles VALUES] [--carcols VALUES] [--dry-run] [--force]
                             back up the vehicle's lines and write new ones in their place
  backups [VEHICLE]          the backups, newest first: file, name, time and the line each holds
  restore BACKUP_NAME        put a backed-up line back (handling_BANSHEE_1, as backups names it)
  check                      every line of the three data files that the game cannot load as
                             meant, as FILE:LINE: finding; exit code 1 when one has an error
  status                     every stock vehicle whose line in a data file differs from the stock
                             files, as VEHICLE FILE:LINE: changed: FIELD STOCK -> NOW, or missing
  reset VEHICLE [--handling] [--vehicles] [--carcols] [--dry-run]
                             put the vehicle's stock lines back in the named files (all three
                             without an option), each backed up first as a write backs it up
  install VEHICLE TEXT_FILE [--take NAME] [--dry-run] [--force]
                             install a mod from its read-me (- reads standard input): its lines
                             for the three files are found, checked and written as replace
                             writes them; --take NAME picks one vehicle's lines from a pack

VALUES are the new line's values without the names the program writes itself, in quotes:
  --handling "1450.0 1.7 85 ..."     handling.dat's line without its identifier (BANSHEE)
  --vehicles "car, BANSHEE, ..."     vehicles.ide's line without the model name and the texture
                                     dictionary (banshee, banshee,)
  --carcols "45,0, 149,149"          carcols.dat's line without the model name (banshee,)
A mod's read-me holds whole lines: install takes them from it, or from standard input.
A line the game cannot load is refused and nothing is written: --dry-run shows the line that would
be written and what is wrong with it; --force writes it anyway, for a line you know the game takes.

  -C GAME_FOLDER             work in GAME_FOLDER instead of the current folder
  --help                     this text
  --version                  the program's version

Exit code: 0 done, 1 failed or refused (the message says why and what to do), 2 usage error.
)",
             R"(использование: fleetwick-cli [-C ПАПКА_ИГРЫ] КОМАНДА ...

Запускайте в папке игры (в той, где лежит common/data/handling.dat) или укажите её через -C.
МАШИНА — название стандартной машины, как его пишут handling.dat или vehicles.ide (BANSHEE или
banshee); `fleetwick-cli list` покажет их все.

  list [КАТЕГОРИЯ]           стандартные машины: название, модель, категория (car, bike, boat, heli)
  show МАШИНА                строка машины в каждом файле данных с номером строки
  replace МАШИНА [--handling ЗНАЧЕНИЯ] [--vehicles ЗНАЧЕНИЯ] [--carcols ЗНАЧЕНИЯ] [--dry-run] [--force]
                             сохранить резервные копии строк машины и записать на их место новые
  backups [МАШИНА]           резервные копии, новые первыми: файл, имя, время и строка в каждой
  restore ИМЯ_КОПИИ          вернуть строку из резервной копии (handling_BANSHEE_1, как её
                             называет backups)
  check                      все строки трёх файлов данных, которые игра не загрузит как задумано,
                             в виде ФАЙЛ:СТРОКА: замечание; код выхода 1, если есть ошибка
  status                     стандартные машины, чьи строки отличаются от стандартных файлов, в
                             виде МАШИНА ФАЙЛ:СТРОКА: changed: ПОЛЕ БЫЛО -> СТАЛО, или нет строки
  reset МАШИНА [--handling] [--vehicles] [--carcols] [--dry-run]
                             вернуть стандартные строки машины в названные файлы (во все три, если
                             файлы не названы), сперва сохранив резервные копии, как при записи
  install МАШИНА ФАЙЛ [--take ИМЯ] [--dry-run] [--force]
                             установить мод по его read-me (- читает стандартный ввод): строки
                             для трёх файлов находятся, проверяются и пишутся, как пишет replace;
                             --take ИМЯ выбирает строки одной машины из набора

ЗНАЧЕНИЯ — значения новой строки без названий, которые программа пишет сама, в кавычках:
  --handling "1450.0 1.7 85 ..."     строка handling.dat без идентификатора (BANSHEE)
  --vehicles "car, BANSHEE, ..."     строка vehicles.ide без названия модели и словаря текстур
                                     (banshee, banshee,)
  --carcols "45,0, 149,149"          строка carcols.dat без названия модели (banshee,)
В read-me мода строки целиком: install возьмёт их оттуда или со стандартного ввода.
Строку, которую игра не загрузит, программа не пишет: --dry-run покажет, какая строка была бы
записана и что в ней не так; --force запишет её всё равно, если вы знаете, что игра её примет.

  -C ПАПКА_ИГРЫ              работать в ПАПКЕ_ИГРЫ, а не в текущей папке
  --help                     эта справка
  --version                  версия программы

Код выхода: 0 — сделано, 1 — не сделано (сообщение говорит, почему и что делать), 2 — ошибка в
командной строке.
)");
}

namespace {

// kFiles: --handling, --vehicles and --carcols name files and take no values.
enum Allowed : unsigned { kNone = 0, kValues = 1, kDryRun = 2, kForce = 4, kFiles = 8, kTake = 16 };

struct CommandForm {
  Command command;
  std::size_t least, most; // operands
  unsigned options;
  const char *operand, *operandRu; // what the operands are, by blanks, for a usage error
};

const std::map<std::string, CommandForm, std::less<>> kCommands = {
    {"list", {Command::List, 0, 1, kNone, "CATEGORY", "КАТЕГОРИИ"}},
    {"show", {Command::Show, 1, 1, kNone, "VEHICLE", "МАШИНЫ"}},
    {"replace", {Command::Replace, 1, 1, kValues | kDryRun | kForce, "VEHICLE", "МАШИНЫ"}},
    {"backups", {Command::Backups, 0, 1, kNone, "VEHICLE", "МАШИНЫ"}},
    {"restore", {Command::Restore, 1, 1, kNone, "BACKUP_NAME", "ИМЕНИ_КОПИИ"}},
    {"check", {Command::Check, 0, 0, kNone, "", ""}},
    {"status", {Command::Status, 0, 0, kNone, "", ""}},
    {"reset", {Command::Reset, 1, 1, kFiles | kDryRun, "VEHICLE", "МАШИНЫ"}},
    {"install", {Command::Install, 2, 2, kTake | kDryRun | kForce, "VEHICLE TEXT_FILE", "МАШИНЫ ФАЙЛА"}}};

const std::map<std::string, FileKind, std::less<>> kValueOptions = {
    {"--handling", FileKind::Handling}, {"--vehicles", FileKind::Vehicles}, {"--carcols", FileKind::Carcols}};

// The operands' names from the first one not given on.
std::string missing(std::string_view names, std::size_t given, std::string_view and_) {
  std::string out;
  for (std::size_t at = 0, n = 0; at <= names.size(); ++n) {
    const std::size_t end = std::min(names.find(' ', at), names.size());
    if (n >= given) out += std::string(out.empty() ? "" : and_) + std::string(names.substr(at, end - at));
    at = end + 1;
  }
  return out;
}

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// A word that reads as a number or a list of numbers: a value typed without the quotes that keep
// the values of a line together.
bool looksLikeValue(const std::string& word) {
  return !word.empty() && word.find_first_not_of("0123456789.,-+ \t") == std::string::npos &&
         word.find_first_of("0123456789") != std::string::npos;
}

UsageError unexpected(const std::string& word, bool valuesGiven) {
  if (valuesGiven && looksLikeValue(word))
    return UsageError(
        say("unexpected " + word +
                ": a line's values go in one pair of quotes, as in --handling \"1450.0 1.7 85 ...\"",
            "лишнее " + word +
                ": значения строки пишутся в одних кавычках, например --handling \"1450.0 1.7 85 ...\""));
  return UsageError(say("unexpected " + word, "лишнее " + word));
}

} // namespace

Arguments parseArguments(std::span<const std::string> args) {
  bool fileNames = false; // reset's --handling and the like name files and take no values
  for (std::size_t i = 1; i < args.size(); ++i) {
    // Values may be anything, "--help" too: only a word in an option's place asks for help or the version.
    if (args[i] == "--") break;
    if (auto command = kCommands.find(args[i]); command != kCommands.end())
      fileNames = fileNames || (command->second.options & kFiles);
    if ((kValueOptions.contains(args[i]) && !fileNames) || args[i] == "-C") {
      ++i;
      continue;
    }
    if (isHelp(args[i])) return {};
    if (args[i] == "--version") {
      Arguments version;
      version.command = Command::Version;
      return version;
    }
  }
  Arguments a;
  std::optional<CommandForm> form;
  std::string commandWord;
  std::vector<std::string> operands;
  unsigned given = kNone;
  bool optionsEnd = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string word = args[i];
    const auto next = [&](const std::string& what, const std::string& whatRu) -> const std::string& {
      if (i + 1 >= args.size())
        throw UsageError(say("missing " + what + " after " + word, "нет " + whatRu + " после " + word));
      return args[++i];
    };
    // A negative number is a value typed without quotes, not an option.
    if (optionsEnd || word == "-" || !word.starts_with("-") || looksLikeValue(word)) {
      if (!form && !optionsEnd) {
        auto command = kCommands.find(word);
        if (command == kCommands.end())
          throw UsageError(say("unknown command " + word, "нет команды " + word));
        a.command = command->second.command;
        form = command->second;
        commandWord = word;
      } else if (!form) {
        throw UsageError(say("unknown command " + word, "нет команды " + word));
      } else {
        operands.push_back(word);
      }
      continue;
    }
    if (word == "--") {
      optionsEnd = true;
      continue;
    }
    if (word == "-C") {
      if (a.folder) throw UsageError(say("-C given twice", "-C указан дважды"));
      a.folder = next("GAME_FOLDER", "ПАПКИ_ИГРЫ");
      continue;
    }
    std::optional<std::string> inlineValue;
    if (auto eq = word.find('='); word.starts_with("--") && eq != std::string::npos) {
      inlineValue = word.substr(eq + 1);
      word.resize(eq);
    }
    if (word == "--take") {
      if (a.take) throw UsageError(say("--take given twice", "--take указан дважды"));
      a.take = inlineValue ? *inlineValue : next("NAME", "ИМЕНИ");
      given |= kTake;
      continue;
    }
    if ((word == "--dry-run" || word == "--force") && !inlineValue) {
      (word == "--force" ? a.force : a.dryRun) = true;
      given |= word == "--force" ? kForce : kDryRun;
      continue;
    }
    auto kind = kValueOptions.find(word);
    if (kind == kValueOptions.end()) throw UsageError(say("unknown option " + word, "нет параметра " + word));
    if (form && (form->options & kFiles) && !inlineValue) {
      a.files[indexOf(kind->second)] = true;
      given |= kFiles;
      continue;
    }
    std::optional<std::string>& slot = a.values[indexOf(kind->second)];
    if (slot) throw UsageError(say(word + " given twice", word + " указан дважды"));
    // The next word is the values whatever it looks like: they may start with a minus sign.
    slot = inlineValue ? *inlineValue : next("VALUES", "ЗНАЧЕНИЙ");
    given |= kValues;
  }
  if (!form) throw UsageError(say("missing COMMAND", "нет команды"));
  if (operands.size() < form->least)
    throw UsageError(say("missing " + missing(form->operand, operands.size(), " "),
                         "нет " + missing(form->operandRu, operands.size(), " и ")));
  if (operands.size() > form->most) throw unexpected(operands[form->most], given & kValues);
  if (const unsigned stray = given & ~form->options) {
    const std::string option = stray & kValues   ? "--handling, --vehicles, --carcols"
                               : stray & kTake   ? "--take"
                               : stray & kDryRun ? "--dry-run"
                                                 : "--force";
    throw UsageError(
        say(option + " does not go with " + commandWord, option + " не подходит к " + commandWord));
  }
  if (a.command == Command::Replace && !(given & kValues))
    throw UsageError(say("replace needs --handling, --vehicles or --carcols",
                         "replace нужен --handling, --vehicles или --carcols"));
  if (!operands.empty()) a.operand = operands[0];
  if (operands.size() > 1) a.textFile = operands[1];
  return a;
}

} // namespace fw::cli
