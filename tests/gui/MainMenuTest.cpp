// The main menu's commands and the services the main window gives the record handlers: viewers,
// stock copies, settings, about, the read-only hint and exit.
#include "WindowTest.h"
#include "main/Main.h"
#include "main/Timestamp.h"
#include "windows/Text.h"
#include "windows/Unit6.h"
#include "windows/Unit7.h"
#include "windows/Viewer.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTimer>

namespace fw::test {
namespace {

class MainMenu : public WindowTest {
protected:
  void SetUp() override {
    form.setWindows({&form2, &form3, &form4}, &form6, &form7);
    form.show();
  }
  void TearDown() override {
    for (QWidget* w : std::initializer_list<QWidget*>{&form, &form2, &form3, &form4})
      w->close();
    WindowTest::TearDown();
  }

  void trigger(const char* action) {
    auto* a = form.findChild<QAction*>(QString::fromLatin1(action));
    ASSERT_TRUE(a) << action;
    a->trigger();
  }

  // Runs the menu item, which shows a modal window; that window is closed as soon as it is up.
  // Answers the window that was modal, or null when none came up within five seconds.
  QWidget* triggerModal(const char* action) {
    QWidget* seen = nullptr;
    QDeadlineTimer deadline(5000);
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        seen = modal;
        modal->close();
      } else if (deadline.hasExpired()) {
        poll.stop();
      }
    });
    poll.start();
    trigger(action);
    return seen;
  }

  static std::string stockBytes(const char* file) {
    QFile source(QStringLiteral(FLEETWICK_SOURCE_DIR "/data/") + QString::fromLatin1(file));
    EXPECT_TRUE(source.open(QIODevice::ReadOnly)) << file;
    const QByteArray bytes = source.readAll();
    return LineBuffer::fromBytes(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())))
        .toBytes();
  }

  GameFolder game;
  TForm1 form{dialogs};
  TForm2 form2;
  TForm3 form3;
  TForm4 form4;
  TForm6 form6;
  TForm7 form7{form.state(), dialogs};
};

TEST_F(MainMenu, viewItemsBringTheirViewerToTheFront) {
  const std::pair<const char*, TViewerForm*> items[] = {
      {"ViewHandlingClick", &form2}, {"ViewVehiclesClick", &form3}, {"ViewCarcolsClick", &form4}};
  for (auto [action, viewer] : items) {
    SCOPED_TRACE(action);
    trigger(action);
    trigger(action);
    EXPECT_TRUE(viewer->isVisible());
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainMenu, stockCopyIsWrittenWhereTheUserChose) {
  const struct {
    const char* action;
    const char* file;
  } items[] = {{"SaveStockHandlingClick", "handling.dat"},
               {"SaveStockVehiclesClick", "vehicles.ide"},
               {"SaveStockCarcolsClick", "carcols.dat"}};
  for (const auto& item : items) {
    SCOPED_TRACE(item.action);
    const QString first =
        QString::fromStdString(game.str()) + QStringLiteral("/копия ") + QString::fromLatin1(item.file);
    const QString second = QString::fromStdString(game.str()) + QStringLiteral("/again");
    dialogs.answers = {first, second};
    trigger(item.action);
    trigger(item.action);
    EXPECT_EQ(dialogs.offered, (QStringList{QString::fromLatin1(item.file), first}));
    EXPECT_EQ(dialogs.filters,
              (QStringList{QStringLiteral("Все файлы (*.*)"), QStringLiteral("Все файлы (*.*)")}));
    QFile written(first);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), stockBytes(item.file));
    EXPECT_EQ(game.read("again"), stockBytes(item.file));
    dialogs.offered.clear();
    dialogs.filters.clear();
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_EQ(game.read("common/data/handling.dat"), GameFolder::handling())
      << "the game's file is not the stock one";
}

TEST_F(MainMenu, cancelledStockCopyWritesNothing) {
  const std::string before = game.listing();
  dialogs.answers = {std::nullopt, std::nullopt};
  trigger("SaveStockVehiclesClick");
  trigger("SaveStockVehiclesClick");
  EXPECT_EQ(dialogs.offered, (QStringList{QStringLiteral("vehicles.ide"), QStringLiteral("vehicles.ide")}));
  EXPECT_EQ(game.listing(), before);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainMenu, stockCopyThatCannotBeCreatedIsAnErrorAndThePathIsKept) {
  const QString target = QString::fromStdString(game.str()) + QStringLiteral("/нет/carcols.dat");
  const std::string before = game.listing();
  dialogs.answers = {target, std::nullopt};
  trigger("SaveStockCarcolsClick");
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot create file ") +
                                        QDir::toNativeSeparators(target) + QLatin1Char('.')});
  EXPECT_EQ(game.listing(), before);
  trigger("SaveStockCarcolsClick");
  EXPECT_EQ(dialogs.offered.last(), target);
  EXPECT_TRUE(form.isVisible()) << "the program goes on";
}

TEST_F(MainMenu, helpItemShowsTheReadOnlyHint) {
  trigger("WhyNotSavedClick");
  EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral(
                                  "Убедитесь, что на необходимых файлах не стоит атрибут Только чтоние!!!")});
}

TEST_F(MainMenu, settingsAndAboutAreShownModally) {
  EXPECT_EQ(triggerModal("ParametersClick"), &form7);
  EXPECT_EQ(triggerModal("AboutClick"), &form6);
  EXPECT_FALSE(form6.isVisible());
  EXPECT_FALSE(form7.isVisible());
  EXPECT_TRUE(form.isVisible());
}

TEST_F(MainMenu, exitClosesTheMainWindow) {
  trigger("ViewCarcolsClick");
  trigger("ExitClick");
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainMenu, handlersReloadTheViewerOfTheirFile) {
  const std::pair<FileKind, TViewerForm*> viewers[] = {
      {FileKind::Handling, &form2}, {FileKind::Vehicles, &form3}, {FileKind::Carcols, &form4}};
  for (auto [kind, viewer] : viewers) {
    const LineBuffer lines{cp("новая строка"), std::to_string(indexOf(kind))};
    form.services().reloadViewer(kind, lines);
    EXPECT_EQ(viewerText(*viewer), joinLines(lines));
  }
}

TEST_F(MainMenu, timestampComesFromTheClockInTheSystemsFormat) {
  const QDateTime noon(QDate(2024, 12, 6), QTime(13, 5, 9));
  const QDateTime midnight(QDate(2024, 12, 6), QTime(0, 0));
  const QString date = QLocale::system().toString(QDate(2024, 12, 6), QLocale::ShortFormat);
  form.setClock([&] { return midnight; });
  EXPECT_EQ(form.services().timestamp(), bytesOf(date));
  form.setClock([&] { return noon; });
  const QString stamp = toQString(form.services().timestamp());
  EXPECT_TRUE(stamp.startsWith(date + QLatin1Char(' '))) << stamp.toStdString();
  EXPECT_TRUE(stamp.contains(QStringLiteral("05")) && stamp.contains(QStringLiteral("09")))
      << stamp.toStdString();
}

} // namespace
} // namespace fw::test

namespace fw::test {
namespace {

// The game's own file replaced by the stock copy: the program keeps what it loaded until a write
// reads the file again.
TEST_F(MainMenu, stockCopyOverTheGameFileLeavesTheBufferAndTheViewer) {
  const LineBuffer before = form.state().Memo1;
  const QString shownBefore = viewerText(form2);
  dialogs.answers = {QString::fromStdString(game.str()) + QStringLiteral("/common/data/handling.dat")};
  trigger("SaveStockHandlingClick");
  EXPECT_EQ(game.read("common/data/handling.dat"), stockBytes("handling.dat"));
  EXPECT_EQ(form.state().Memo1, before);
  EXPECT_EQ(viewerText(form2), shownBefore);
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

} // namespace
} // namespace fw::test
