// Where the window works. Started from a terminal or a script it works in the current folder, as
// ever; a game folder may be named instead. A desktop menu starts programs in the home folder,
// where no game is: the menu's start (--menu) finds the game folder itself.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace fw {

class Dialogs;

struct StartOptions {
  enum class Mode { Here, Folder, Menu, Help, Version, Usage };
  Mode mode = Mode::Here;
  QString folder; // the game folder given (Folder, and Menu where the menu passed one)
  QString wrong;  // what is wrong with the command line (Usage)
};

// args[0] is the program's name. --help and --version win wherever they stand, so that they are
// answered also before Qt has taken its own options out of the arguments.
StartOptions parseStartOptions(const QStringList& args);

extern const char* const kStartUsage;

// Whether the folder holds the three data files that the start-up reads, in any letter case.
bool holdsGameFiles(const QString& folder);

// For the menu's start: the folder the menu passed, else the one the last menu start used while it
// still holds the game's files, else the player's choice in a folder dialog (nothing on cancel).
// A folder that holds the game's files is remembered in the settings file `memory` for the next
// menu start.
std::optional<QString> menuGameFolder(const QString& given, const QString& memory, Dialogs& dialogs);

// Where the menu's start remembers its game folder: fleetwick/menu.ini under the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config). Never the game folder's fleetwick.ini.
QString menuMemoryFile();

// Makes the start's game folder the current directory, before the start-up records it.
enum class Entered { Yes, Cancelled, Failed };
Entered enterGameFolder(const StartOptions& options, const QString& memory, Dialogs& dialogs);

} // namespace fw
