#include "app/StartFolder.h"

#include "common/FileKinds.h"
#include "common/Files.h"
#include "platform/Console.h"
#include "windows/Dialogs.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <exception>

namespace fw {

const char* const kStartUsage =
    "usage: fleetwick [GAME_FOLDER]\n"
    "       fleetwick --menu [GAME_FOLDER]\n"
    "\n"
    "Fleetwick works in the game folder, the one that holds common/data/handling.dat,\n"
    "vehicles.ide and carcols.dat and the backup folders.\n"
    "\n"
    "  (nothing)             the current folder is the game folder\n"
    "  GAME_FOLDER           work in GAME_FOLDER\n"
    "  --menu [GAME_FOLDER]  as the desktop's menu starts it: in GAME_FOLDER where given, else in the\n"
    "                        game folder the last such start used, else in one chosen in a dialog;\n"
    "                        remembered in $XDG_CONFIG_HOME/fleetwick/menu.ini (~/.config/...)\n"
    "  --help                this text\n"
    "  --version             the program's version\n";

namespace {

const QString kFolderKey = QStringLiteral("menu/gameFolder");

std::string native(const QString& folder) { return QDir::toNativeSeparators(folder).toUtf8().toStdString(); }

} // namespace

StartOptions parseStartOptions(const QStringList& args) {
  for (const QString& arg : args.mid(1)) {
    if (arg == QLatin1String("--version")) return {StartOptions::Mode::Version, {}, {}};
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
      return {StartOptions::Mode::Help, {}, {}};
  }
  StartOptions options;
  for (const QString& arg : args.mid(1)) {
    if (arg == QLatin1String("--menu") && options.mode == StartOptions::Mode::Here)
      options.mode = StartOptions::Mode::Menu;
    else if (arg.startsWith(QLatin1Char('-')))
      return {StartOptions::Mode::Usage, {}, QStringLiteral("unknown option ") + arg};
    else if (!options.folder.isEmpty() || arg.isEmpty())
      return {StartOptions::Mode::Usage, {}, QStringLiteral("unexpected \"%1\"").arg(arg)};
    else
      options.folder = arg;
  }
  if (options.mode == StartOptions::Mode::Here && !options.folder.isEmpty())
    options.mode = StartOptions::Mode::Folder;
  return options;
}

bool holdsGameFiles(const QString& folder) {
  try {
    for (FileKind k : kFileKinds)
      if (!exists(FilePath::under(native(folder), kindInfo(k).dataFile))) return false;
  } catch (const std::exception&) {
    return true; // names that several files match: the start-up says which
  }
  return true;
}

std::optional<QString> menuGameFolder(const QString& given, const QString& memory, Dialogs& dialogs) {
  QSettings remembered(memory, QSettings::IniFormat);
  const QString last = remembered.value(kFolderKey).toString();
  std::optional<QString> folder = given;
  if (folder->isEmpty()) folder = !last.isEmpty() && holdsGameFiles(last) ? last : std::optional<QString>();
  if (!folder)
    folder = dialogs.chooseFolder(nullptr, QStringLiteral("Папка игры Velmora"),
                                  last.isEmpty() ? QDir::homePath() : last);
  if (folder && *folder != last && holdsGameFiles(*folder)) remembered.setValue(kFolderKey, *folder);
  return folder;
}

QString menuMemoryFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/fleetwick/menu.ini");
}

Entered enterGameFolder(const StartOptions& options, const QString& memory, Dialogs& dialogs) {
  std::optional<QString> folder = options.folder;
  if (options.mode == StartOptions::Mode::Menu) folder = menuGameFolder(options.folder, memory, dialogs);
  if (!folder) return Entered::Cancelled;
  if (folder->isEmpty() || platform::changeDirectory(native(*folder))) return Entered::Yes;
  dialogs.error(nullptr, QStringLiteral("Cannot open folder %1.").arg(*folder));
  return Entered::Failed;
}

} // namespace fw
