// The window's game folder: its command line, and the menu's start that finds and remembers one.
#include "app/StartFolder.h"
#include "WindowTest.h"
#include "platform/FileSystem.h"

using namespace fw::test;
using Mode = fw::StartOptions::Mode;

TEST(StartFolder, readsTheCommandLine) {
  const std::tuple<const char*, Mode, const char*> cases[] = {
      // the arguments, the mode, the folder
      {"", Mode::Here, ""},          {"G", Mode::Folder, "G"},
      {"--menu G", Mode::Menu, "G"}, {"G --version", Mode::Version, ""},
      {"--bad -h", Mode::Help, ""},  {"--menu --menu", Mode::Usage, ""},
      {"G H", Mode::Usage, ""}};
  for (auto [args, mode, folder] : cases) {
    const fw::StartOptions o = fw::parseStartOptions(
        (QStringLiteral("fleetwick ") + QLatin1String(args)).split(QLatin1Char(' '), Qt::SkipEmptyParts));
    EXPECT_EQ(o.mode, mode) << args;
    EXPECT_EQ(o.folder, QLatin1String(folder)) << args;
  }
}

TEST_F(WindowTest, menuStartTakesTheGivenTheRememberedOrTheChosenGameFolder) {
  const TempFolder other; // no game in it
  const QString memory = QString::fromStdString(other.at("menu.ini")),
                here = QString::fromStdString(game.str()), noGame = QString::fromStdString(other.str()),
                home = QDir::homePath(), none;
  // The folder given, the dialog's answer, the folder taken, where the dialog opened (none: it did not);
  // before the fifth step the game's files go.
  const std::tuple<QString, QString, QString, QString> steps[] = {
      {none, none, none, home},     {none, here, here, home},     {none, none, here, none},
      {noGame, none, noGame, none}, {none, noGame, noGame, here}, {none, none, none, here}};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const auto& [given, answer, taken, askedAt] = steps[i];
    if (i == 4) std::filesystem::remove(game.path("common/data/carcols.dat"));
    dialogs.offered.clear();
    if (!answer.isNull()) dialogs.answers.push_back(answer);
    EXPECT_EQ(fw::menuGameFolder(given, memory, dialogs).value_or(none), taken) << i;
    EXPECT_EQ(dialogs.offered,
              askedAt.isNull() ? QStringList() : QStringList{QStringLiteral("Папка игры Velmora|") + askedAt})
        << i;
  }
  EXPECT_EQ(fw::enterGameFolder({Mode::Folder, noGame, none}, memory, dialogs), fw::Entered::Yes);
  EXPECT_EQ(fw::platform::currentDirectory(), other.str());
  EXPECT_EQ(fw::enterGameFolder({Mode::Folder, QStringLiteral("/nonexistent"), none}, memory, dialogs),
            fw::Entered::Failed);
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot open folder /nonexistent.")});
}
