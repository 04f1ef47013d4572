// The window's game folder: its command line, and the menu's start that finds and remembers one.
#include "app/StartFolder.h"
#include "WindowTest.h"
#include "platform/Platform.h"

using namespace fw::test;
using Mode = fw::StartOptions::Mode;

TEST(StartFolder, readsTheCommandLine) {
  const struct {
    const char* args;
    Mode mode;
    const char* folderOrWrong;
  } cases[] = {{"", Mode::Here, ""},
               {"G", Mode::Folder, "G"},
               {"--menu", Mode::Menu, ""},
               {"--menu G", Mode::Menu, "G"},
               {"G --version", Mode::Version, ""},
               {"--bad -h", Mode::Help, ""},
               {"--menu --menu", Mode::Usage, "unknown option --menu"},
               {"G H", Mode::Usage, "unexpected \"H\""}};
  for (const auto& c : cases) {
    const fw::StartOptions o = fw::parseStartOptions(
        (QStringLiteral("fleetwick ") + QLatin1String(c.args)).split(QLatin1Char(' '), Qt::SkipEmptyParts));
    EXPECT_EQ(o.mode, c.mode) << c.args;
    EXPECT_EQ(o.mode == Mode::Usage ? o.wrong : o.folder, QLatin1String(c.folderOrWrong)) << c.args;
  }
}

TEST_F(WindowTest, menuStartTakesTheGivenTheRememberedOrTheChosenGameFolder) {
  const TempFolder other; // no game in it
  const QString memory = QString::fromStdString(other.at("config/fleetwick/menu.ini")),
                gameFolder = QString::fromStdString(game.str()), noGame = QString::fromStdString(other.str()),
                home = QDir::homePath(), none;
  const struct {
    QString given, answer, folder, askedAt; // answer and folder: none is a cancel, askedAt: none is not asked
    bool dropGame;                          // the game's files gone first
  } steps[] = {{none, none, none, home, false},          {none, gameFolder, gameFolder, home, false},
               {none, none, gameFolder, none, false},    {noGame, none, noGame, none, false},
               {none, noGame, noGame, gameFolder, true}, {none, none, none, gameFolder, false}};
  for (const auto& step : steps) {
    if (step.dropGame) std::filesystem::remove(game.path("common/data/carcols.dat"));
    dialogs.offered.clear();
    if (!step.answer.isNull()) dialogs.answers.push_back(step.answer);
    const std::optional<QString> folder = fw::menuGameFolder(step.given, memory, dialogs);
    EXPECT_EQ(folder.value_or(none), step.folder);
    EXPECT_EQ(dialogs.offered.join(QString()),
              step.askedAt.isNull() ? none : QStringLiteral("Папка игры Velmora|") + step.askedAt);
  }
  EXPECT_EQ(fw::enterGameFolder({Mode::Folder, noGame, none}, memory, dialogs), fw::Entered::Yes);
  EXPECT_EQ(fw::platform::currentDirectory(), other.str());
  EXPECT_EQ(fw::enterGameFolder({Mode::Folder, QStringLiteral("/nonexistent"), none}, memory, dialogs),
            fw::Entered::Failed);
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot open folder /nonexistent.")});
}
