// Start-up in small game folders: what the windows hold afterwards, what a missing file does, and
// that start-up creates nothing on disk. Also the real program, started once.
#include "WindowTest.h"
#include "main/Fleetwick.h"
#include "main/Main.h"
#include "windows/Text.h"
#include "windows/Unit6.h"
#include "windows/Unit7.h"
#include "windows/Viewer.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTimer>

namespace fw::test {
namespace {

class Startup : public WindowTest {
protected:
  template <class W = QWidget> static W* control(TForm1& form, const char* name) {
    return form.findChild<W*>(QString::fromLatin1(name));
  }
  // Creates the windows and checks that doing so wrote nothing.
  std::unique_ptr<Windows> start(const TempFolder& game) {
    const std::string before = game.listing();
    auto windows = createWindows(dialogs);
    EXPECT_EQ(game.listing(), before) << "start-up creates nothing";
    for (QWidget* w : QApplication::topLevelWidgets())
      EXPECT_FALSE(w->isVisible()) << "all windows start hidden";
    return windows;
  }
};

TEST_F(Startup, missingDataFileEndsStartUpWithItsName) {
  for (const char* missing : {"handling.dat", "vehicles.ide", "carcols.dat"}) {
    SCOPED_TRACE(missing);
    dialogs.errors.clear();
    GameFolder game;
    std::filesystem::remove(game.path() / "common/data" / missing);
    auto windows = start(game);
    EXPECT_FALSE(windows);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot open file common//data//") +
                                          QString::fromLatin1(missing) + QLatin1Char('.')});
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "no window outlives a failed start";
  }
}

TEST_F(Startup, failedStartShowsNoWindowAndEndsWithZero) {
  GameFolder empty(/*withData=*/false);
  EXPECT_EQ(runFleetwick(*qApp, dialogs), 0);
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot open file common//data//handling.dat.")});
  EXPECT_EQ(empty.listing(), "");
}

TEST_F(Startup, folderWithoutBackupsOrSettingsGivesEmptyListsAndPaths) {
  GameFolder game;
  auto windows = start(game);
  ASSERT_TRUE(windows);
  TForm1& form = *windows->form1;
  EXPECT_EQ(form.state().Buffer, game.str());
  for (const char* name : {"ComboBox5", "ComboBox6", "ComboBox7"}) {
    EXPECT_EQ(control<QComboBox>(form, name)->count(), 0) << name;
    EXPECT_EQ(control<QComboBox>(form, name)->currentText(), QString()) << name;
  }
  for (const char* name : {"Memo6", "Memo7", "Memo8"})
    EXPECT_EQ(control<QPlainTextEdit>(form, name)->toPlainText(), QString()) << name;
  EXPECT_EQ(form.state().Edit14, "");
  EXPECT_EQ(form.state().Edit15, "");
  EXPECT_EQ(windows->form7->Edit1->text(), QString());
  EXPECT_EQ(windows->form7->Edit2->text(), QString());
  EXPECT_EQ(form.state().Memo1, LineBuffer::fromBytes(GameFolder::handling()));
  EXPECT_EQ(viewerText(*windows->form2), joinLines(LineBuffer::fromBytes(GameFolder::handling())));
  EXPECT_EQ(form.state().Memo4, LineBuffer{""}) << "the log starts with one empty line";
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(Startup, settingsFileGivesTheProgramPaths) {
  const struct {
    const char* name;
    std::string bytes;
    std::string archiveEditor, game;
  } cases[] = {
      {"one line", cp("C:\\Игры\\crateview.exe\r\n"), cp("C:\\Игры\\crateview.exe"), ""},
      {"one line, no line end", "crateview", "crateview", ""},
      {"LF only", "/opt/cv/cv -x\n/opt/velmora/run\n", "/opt/cv/cv -x", "/opt/velmora/run"},
      {"three lines", "a\r\nb\r\nc\r\n", "a", "b"},
      {"empty", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GameFolder game;
    game.write("fleetwick.ini", c.bytes);
    auto windows = start(game);
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->form1->state().Edit14, c.archiveEditor);
    EXPECT_EQ(windows->form1->state().Edit15, c.game);
    EXPECT_EQ(windows->form7->Edit1->text(), toQString(c.archiveEditor));
    EXPECT_EQ(windows->form7->Edit2->text(), toQString(c.game));
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(Startup, backupListsFillTheRestorePages) {
  const struct {
    const char* names;
    const char* dated;
    const char* list;
    const char* memo;
  } kinds[] = {{"backup/hblistb.txt", "backup/hblist.txt", "ComboBox5", "Memo6"},
               {"backup/vblistb.txt", "backup/vblist.txt", "ComboBox6", "Memo7"},
               {"backup/cblistb.txt", "backup/cblist.txt", "ComboBox7", "Memo8"}};
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.list);
    GameFolder game(true, true);
    game.write(kind.names, cp("x_ЖИГУЛИ_2.hb\r\nx_ЖИГУЛИ_1.hb\n"));
    game.write(kind.dated, cp("x_ЖИГУЛИ_2.hb   06.12.2024 13:05:09\rx_ЖИГУЛИ_1.hb   05.12.2024\r\n"));
    auto windows = start(game);
    ASSERT_TRUE(windows);
    auto* list = control<QComboBox>(*windows->form1, kind.list);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("x_ЖИГУЛИ_2.hb"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("x_ЖИГУЛИ_1.hb"));
    EXPECT_EQ(list->currentText(), QString()) << "nothing is chosen at start";
    EXPECT_EQ(control<QPlainTextEdit>(*windows->form1, kind.memo)->toPlainText(),
              QStringLiteral("x_ЖИГУЛИ_2.hb   06.12.2024 13:05:09\nx_ЖИГУЛИ_1.hb   05.12.2024"));
  }
}

TEST_F(Startup, emptyListFilesGiveEmptyLists) {
  GameFolder game(true, true);
  for (const char* file : {"backup/hblistb.txt", "backup/hblist.txt", "backup/vblistb.txt",
                           "backup/vblist.txt", "backup/cblistb.txt", "backup/cblist.txt"})
    game.write(file, "");
  auto windows = start(game);
  ASSERT_TRUE(windows);
  for (const char* name : {"ComboBox5", "ComboBox6", "ComboBox7"})
    EXPECT_EQ(control<QComboBox>(*windows->form1, name)->count(), 0) << name;
  EXPECT_EQ(windows->form1->state().Memo6.size(), 0u);
  EXPECT_EQ(control<QPlainTextEdit>(*windows->form1, "Memo6")->toPlainText(), QString());
}

// Runs `act` once the event loop of the program runs, and ends that loop if it is still running
// five seconds later, which fails the test.
class EventLoopScript {
public:
  explicit EventLoopScript(std::function<void()> act) {
    step_.setSingleShot(true);
    QObject::connect(&step_, &QTimer::timeout, std::move(act));
    step_.start(50);
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
      ADD_FAILURE() << "the event loop went on";
      QApplication::quit();
    });
    watchdog_.start(5000);
  }

private:
  QTimer step_, watchdog_;
};

template <class W> W* visibleWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<W*>(w); window && window->isVisible()) return window;
  return nullptr;
}

TEST_F(Startup, runShowsTheMainWindowUntilItCloses) {
  GameFolder game;
  bool shown = false;
  EventLoopScript script([&] {
    TForm1* form = visibleWindow<TForm1>();
    shown = form != nullptr;
    EXPECT_FALSE(visibleWindow<TForm2>() || visibleWindow<TForm6>() || visibleWindow<TForm7>())
        << "the other windows wait hidden";
    if (form) form->close();
  });
  EXPECT_EQ(runFleetwick(*qApp, dialogs), 0);
  EXPECT_TRUE(shown) << "the main window was shown";
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "every window is gone at the end";
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(Startup, closingTheMainWindowEndsTheProgramWithAViewerOpen) {
  GameFolder game;
  EventLoopScript script([&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* viewer = qobject_cast<TForm3*>(w)) viewer->showInFront();
    ASSERT_TRUE(visibleWindow<TForm3>());
    visibleWindow<TForm1>()->close();
  });
  EXPECT_EQ(runFleetwick(*qApp, dialogs), 0);
  EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST_F(Startup, applicationGetsTheProgramFontAndAnIcon) {
  const QFont before = QApplication::font();
  QFont other;
  other.setPointSize(20);
  other.setStyleHint(QFont::Serif);
  QApplication::setFont(other);
  prepareApplication(*qApp);
  EXPECT_EQ(QApplication::font().pointSize(), 8);
  EXPECT_EQ(QApplication::font().styleHint(), QFont::SansSerif);
  EXPECT_FALSE(QApplication::windowIcon().isNull());
  EXPECT_FALSE(QApplication::windowIcon().pixmap(32, 32).toImage().isNull());
  QApplication::setFont(before);
}

TEST_F(Startup, programStartsFromTheGameFolderAndTakesItsPicture) {
  GameFolder game;
  const std::string before = game.listing();
  const QString picture = QString::fromStdString(game.str()) + QStringLiteral("/shot.png");
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("FLEETWICK_SCREENSHOT"), picture);
  program.setProcessEnvironment(env);
  program.setWorkingDirectory(QString::fromStdString(game.str()));
  program.start(QStringLiteral(FLEETWICK_BINARY), {QStringLiteral("--ignored"), QStringLiteral("argument")});
  ASSERT_TRUE(program.waitForFinished(30000)) << "the program did not end";
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
  QImage image(picture);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 857);
  EXPECT_GT(image.height(), 529) << "the menu bar is above the client area";
  std::filesystem::remove(game.path() / "shot.png");
  EXPECT_EQ(game.listing(), before);
}

} // namespace
} // namespace fw::test
