// fleetwick-cli: the window's handlers on the same state, driven from a command line, so that a
// script leaves the game folder exactly as a user clicking through the window would.
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/ErrorText.h"
#include "common/Errors.h"
#include "platform/Console.h"

#include <exception>

int main(int argc, char** argv) {
  using fw::cli::say;
  using fw::platform::Stream;
  fw::platform::keepRunningWithoutOutput();
  const std::vector<std::string> args = fw::platform::commandLineArguments(argc, argv);
  fw::cli::Arguments a;
  try {
    a = fw::cli::parseArguments(args);
  } catch (const fw::cli::UsageError& e) {
    fw::platform::write(Stream::Err, std::string("fleetwick-cli: ") + e.what() + "\n" +
                                         say("The commands and their options: fleetwick-cli --help\n",
                                             "Команды и их параметры: fleetwick-cli --help\n"));
    return 2;
  }
  try {
    if (a.folder && !fw::platform::changeDirectory(*a.folder))
      throw fw::cli::Failure(
          say("Cannot open the folder " + *a.folder +
                  ": it is missing or not a folder. -C takes the game folder.",
              "Не удаётся открыть папку " + *a.folder + ": её нет или это не папка. -C нужна папка игры."));
    fw::cli::runCommand(a);
    return 0;
  } catch (const fw::Error& e) {
    fw::platform::write(Stream::Err, fw::cli::explained(e) + "\n");
  } catch (const std::exception& e) {
    fw::platform::write(Stream::Err, std::string(e.what()) + "\n");
  }
  return 1;
}
