#include "cli/Arguments.h"

#include "cli/Install.h"

#include <map>

namespace fw::cli {

const char* const kUsage =
    "usage: fleetwick-cli [-C GAME_FOLDER] COMMAND\n"
    "\n"
    "  show VEHICLE               the vehicle's line in each data file, with its line number\n"
    "  replace VEHICLE [--handling VALUES] [--vehicles VALUES] [--carcols VALUES] [--dry-run] [--force]\n"
    "                             back up and replace the vehicle's lines, as the window's OK buttons do;\n"
    "                             VALUES is what the window's input row takes; a line the game cannot\n"
    "                             load is refused, and nothing is written, unless --force is given;\n"
    "                             --dry-run only shows the old and the new lines and what is wrong\n"
    "  backups [VEHICLE]          the backups of each data file, newest first, with their times\n"
    "  restore BACKUP_NAME        put a backed-up line back, as the window's restore does\n"
    "  check                      every line of the three data files that the game cannot load as\n"
    "                             meant, as FILE:LINE: finding; exit code 1 when one has an error\n"
    "  install VEHICLE TEXT_FILE [--take NAME] [--dry-run] [--force]\n"
    "                             install a mod from its read-me (\"-\": standard input): its lines for\n"
    "                             the three files are found, checked and written as replace does;\n"
    "                             --take NAME picks one vehicle's lines from a pack\n"
    "\n"
    "  -C GAME_FOLDER             work in GAME_FOLDER instead of the current folder\n"
    "  --help                     this text\n"
    "  --version                  the program's version\n"
    "\n"
    "Exit code: 0 done, 1 failed (the message says why), 2 usage error.\n";

namespace {

const std::map<std::string, Command, std::less<>> kCommands = {
    {"show", Command::Show},       {"replace", Command::Replace}, {"backups", Command::Backups},
    {"restore", Command::Restore}, {"check", Command::Check},     {"install", Command::Install}};

const std::map<std::string, FileKind, std::less<>> kValueOptions = {
    {"--handling", FileKind::Handling}, {"--vehicles", FileKind::Vehicles}, {"--carcols", FileKind::Carcols}};

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

class Reader {
public:
  explicit Reader(std::span<const std::string> args) : args_(args) {}
  bool done() const { return at_ >= args_.size(); }
  const std::string& peek() const { return args_[at_]; }
  const std::string& take(const std::string& what) {
    if (done()) throw UsageError("missing " + what);
    return args_[at_++];
  }

private:
  std::span<const std::string> args_;
  std::size_t at_ = 1;
};

void readReplaceOptions(Reader& in, Arguments& a) {
  while (!in.done()) {
    std::string option = in.take("option");
    std::optional<std::string> inlineValue;
    if (auto eq = option.find('='); option.starts_with("--") && eq != std::string::npos) {
      inlineValue = option.substr(eq + 1);
      option.resize(eq);
    }
    if ((option == "--dry-run" || option == "--force") && !inlineValue) {
      (option == "--force" ? a.force : a.dryRun) = true;
      continue;
    }
    auto kind = kValueOptions.find(option);
    if (kind == kValueOptions.end()) throw UsageError("unknown option " + option);
    std::optional<std::string>& slot = a.values[indexOf(kind->second)];
    if (slot) throw UsageError(option + " given twice");
    // The next word is the values whatever it looks like: they may start with a minus sign.
    slot = inlineValue ? *inlineValue : in.take("VALUES after " + option);
  }
  if (!a.values[0] && !a.values[1] && !a.values[2])
    throw UsageError("replace needs --handling, --vehicles or --carcols");
}

} // namespace

Arguments parseArguments(std::span<const std::string> args) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    // Values may be anything, "--help" too: only a word in an option's place asks for help or the version.
    if (i > 1 && kValueOptions.contains(args[i - 1])) continue;
    if (isHelp(args[i])) return {};
    if (args[i] == "--version") {
      Arguments version;
      version.command = Command::Version;
      return version;
    }
  }
  Reader in(args);
  Arguments a;
  if (!in.done() && in.peek() == "-C") {
    in.take("-C");
    a.folder = in.take("GAME_FOLDER after -C");
  }
  const std::string& word = in.take("COMMAND");
  auto command = kCommands.find(word);
  if (command == kCommands.end()) throw UsageError("unknown command " + word);
  a.command = command->second;
  switch (a.command) {
  case Command::Show: a.operand = in.take("VEHICLE"); break;
  case Command::Replace:
    a.operand = in.take("VEHICLE");
    readReplaceOptions(in, a);
    break;
  case Command::Backups:
    if (!in.done()) a.operand = in.take("VEHICLE");
    break;
  case Command::Restore: a.operand = in.take("BACKUP_NAME"); break;
  case Command::Install: {
    std::vector<std::string> words;
    while (!in.done())
      words.push_back(in.take(""));
    readInstallArguments(words, a);
    break;
  }
  case Command::Check:
  case Command::Help:
  case Command::Version: break;
  }
  if (!in.done()) throw UsageError("unexpected " + in.peek());
  return a;
}

} // namespace fw::cli
