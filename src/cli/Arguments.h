// The command line of fleetwick-cli, taken apart before anything touches the game folder.
#pragma once

#include "common/MainState.h"

#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace fw::cli {

enum class Command { Help, Version, List, Show, Replace, Backups, Restore, Check, Status, Reset, Install };

struct Arguments {
  Command command = Command::Help;
  std::optional<std::string> folder;                // -C
  std::string operand;                              // VEHICLE, CATEGORY or BACKUP_NAME, as given (UTF-8)
  std::array<std::optional<std::string>, 3> values; // per FileKind, as given (UTF-8)
  std::array<bool, 3> files{};                      // reset: the files named, per FileKind
  bool dryRun = false;
  bool force = false;              // write values that hold errors
  std::string textFile;            // install: the mod's read-me, "-" for standard input
  std::optional<std::string> take; // install: the vehicle of a pack whose lines are taken
};

// A command line that does not say what to do; exit code 2 with the usage text. The text is in the
// run's language.
class UsageError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// args[0] is the program's name. Options may stand anywhere after it, before or after the command
// and its operands.
Arguments parseArguments(std::span<const std::string> args);

// The usage text, in the run's language.
std::string usage();

} // namespace fw::cli
