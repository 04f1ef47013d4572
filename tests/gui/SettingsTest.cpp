// The settings window: how its OK button comes alive, what OK writes and where, and what cancel,
// browse and failures leave behind. The window is driven as the program shows it: modal.
#include "ModalDriver.h"
#include "Printers.h"
#include "TempFolder.h"
#include "WindowTest.h"
#include "common/Cp1251.h"
#include "common/Files.h"
#include "common/MainState.h"
#include "windows/Text.h"
#include "windows/Unit7.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace {

class Settings : public fw::test::WindowTest {
protected:
  void SetUp() override { main.Buffer = game.str(); }

  // The file as the program wrote it, or "(none)".
  std::string ini() const { return game.has("fleetwick.ini") ? game.read("fleetwick.ini") : "(none)"; }

  fw::test::TempFolder game;
  fw::MainState main;
};

TEST_F(Settings, windowFollowsTheDesign) {
  TForm7 form(main, dialogs);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Параметры"));
  EXPECT_NE(form.minimumSize(), form.maximumSize()) << "the border is sizeable";
  fw::test::runModal(form, [&](QWidget*) {
    // The size is the frame's; offscreen windows have a thin one.
    QRect frame = form.frameGeometry();
    EXPECT_EQ(frame.size(), QSize(434, 175));
    EXPECT_LT(form.width(), 434);
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(frame.topLeft(),
              QPoint(screen.x() + (screen.width() - 434) / 2, screen.y() + (screen.height() - 175) / 2));
    form.Button4->click();
  });

  const struct {
    const char* name;
    QWidget* widget;
    QRect at; // size 0 x 0: the label's own
    QString text;
  } controls[] = {
      {"Label1", form.Label1, {8, 8, 0, 0}, QStringLiteral("Запускать Crateview из:")},
      {"Edit1", form.Edit1, {8, 24, 321, 21}, QString()},
      {"Button1", form.Button1, {336, 24, 75, 21}, QStringLiteral("Обзор...")},
      {"Label2", form.Label2, {8, 48, 0, 0}, QStringLiteral("Запускать Velmora из:")},
      {"Edit2", form.Edit2, {8, 64, 321, 21}, QString()},
      {"Button2", form.Button2, {336, 64, 75, 21}, QStringLiteral("Обзор...")},
      {"Button3", form.Button3, {256, 104, 75, 21}, QStringLiteral("ОК")},
      {"Button4", form.Button4, {336, 104, 75, 21}, QStringLiteral("Отмена")},
  };
  for (const auto& c : controls) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(form.findChild<QWidget*>(QLatin1String(c.name)), c.widget);
    EXPECT_EQ(c.widget->pos(), c.at.topLeft());
    if (!c.at.size().isEmpty()) {
      EXPECT_EQ(c.widget->size(), c.at.size());
    }
    if (auto* l = qobject_cast<QLabel*>(c.widget)) {
      EXPECT_EQ(l->text(), c.text);
    } else if (auto* b = qobject_cast<QPushButton*>(c.widget)) {
      EXPECT_EQ(b->text(), c.text);
      EXPECT_FALSE(b->autoDefault());
    } else if (auto* e = qobject_cast<QLineEdit*>(c.widget)) {
      EXPECT_EQ(e->text(), c.text);
    }
  }
  EXPECT_FALSE(form.Button3->isEnabled());
}

TEST_F(Settings, okIsEnabledAtCreationOnlyByAPathFromTheSettingsFile) {
  const struct {
    const char *editor, *game;
    bool enabled;
  } cases[] = {{"", "", false}, {"C:\\crate.exe", "", true}, {"", "D:\\velmora.exe", true}, {"a", "b", true}};
  for (const auto& c : cases) {
    main.Edit14 = c.editor;
    main.Edit15 = c.game;
    TForm7 form(main, dialogs);
    EXPECT_EQ(form.Button3->isEnabled(), c.enabled) << "[" << c.editor << "] [" << c.game << "]";
    EXPECT_EQ(form.Edit1->text(), QLatin1String(c.editor));
    EXPECT_EQ(form.Edit2->text(), QLatin1String(c.game));
  }
  main.Edit14 = "C:\\\xC8\xE3\xF0\xFB\\crate.exe"; // Cyrillic bytes of Windows-1251
  TForm7 form(main, dialogs);
  EXPECT_EQ(form.Edit1->text(), QStringLiteral("C:\\Игры\\crate.exe"));
}

TEST_F(Settings, typingEnablesOkForGood) {
  TForm7 form(main, dialogs);
  fw::test::runModal(form, [&](QWidget*) {
    EXPECT_FALSE(form.Button3->isEnabled());
    type(form.Edit2, QStringLiteral("x"));
    EXPECT_TRUE(form.Button3->isEnabled());
    form.Edit2->clear();
    EXPECT_TRUE(form.Button3->isEnabled()) << "nothing disables OK again";
    QTest::keyClick(&form, Qt::Key_Escape);
  });
  EXPECT_TRUE(form.Button3->isEnabled());
}

TEST_F(Settings, okWritesBothLinesToTheStartDirectoryAndCloses) {
  main.Edit14 = "old editor";
  main.Edit15 = "old game";
  TForm7 form(main, dialogs);
  fw::test::TempFolder elsewhere(true); // the current directory has moved since start-up
  int result = fw::test::runModal(form, [&](QWidget*) {
    form.Edit1->clear();
    type(form.Edit2, QStringLiteral(" \"D:\\Игры\\velmora.exe\" -w"));
    QTest::mouseClick(form.Button3, Qt::LeftButton);
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_FALSE(form.isVisible());
  const std::string game = "old game \"D:\\\xC8\xE3\xF0\xFB\\velmora.exe\" -w";
  EXPECT_EQ(ini(), "\r\n" + game + "\r\n");
  EXPECT_FALSE(elsewhere.has("fleetwick.ini"));
  EXPECT_EQ(main.Edit14, "");
  EXPECT_EQ(main.Edit15, game);
  EXPECT_EQ(main.Memo10, (fw::LineBuffer{"", game}));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(Settings, oneLineFileReadAtStartUpIsSavedWithTwoLines) {
  game.write("fleetwick.ini", "C:\\crate.exe\n");
  main.Memo10 = fw::loadLines(fw::FilePath::chosen(game.str() + "/fleetwick.ini"));
  main.Edit14 = main.Memo10.at(0);
  main.Edit15 = main.Memo10.at(1);
  TForm7 form(main, dialogs);
  fw::test::runModal(form, [&](QWidget*) { form.Button3->click(); });
  EXPECT_EQ(ini(), "C:\\crate.exe\r\n\r\n");
}

TEST_F(Settings, enterInAPathFieldPressesNothing) {
  TForm7 form(main, dialogs);
  fw::test::runModal(form, [&](QWidget*) {
    type(form.Edit1, QStringLiteral("C:\\crate.exe"));
    EXPECT_FALSE(form.Button3->isDefault());
    QTest::keyClick(form.Edit1, Qt::Key_Return);
    QTest::keyClick(form.Edit2, Qt::Key_Enter);
    QApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    form.Button4->click();
  });
  EXPECT_EQ(ini(), "(none)");
  EXPECT_EQ(main.Edit14, "");
}

TEST_F(Settings, everyWayOfCancellingKeepsTheTypedTextAndWritesNothing) {
  const struct {
    const char* how;
    std::function<void(TForm7&)> cancel;
  } ways[] = {
      {"Отмена", [](TForm7& f) { QTest::mouseClick(f.Button4, Qt::LeftButton); }},
      {"Esc", [](TForm7& f) { QTest::keyClick(f.Edit1, Qt::Key_Escape); }},
      {"title bar", [](TForm7& f) { f.close(); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    main.Edit14 = "editor";
    main.Edit15 = "";
    main.Memo10 = fw::LineBuffer{"Memo10"};
    TForm7 form(main, dialogs);
    int result = fw::test::runModal(form, [&](QWidget*) {
      type(form.Edit1, QStringLiteral("2"));
      type(form.Edit2, QStringLiteral("game"));
      way.cancel(form);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(ini(), "(none)");
    EXPECT_EQ(main.Edit14, "editor");
    EXPECT_EQ(main.Edit15, "");
    EXPECT_EQ(main.Memo10, fw::LineBuffer{"Memo10"});

    // Shown again: the typed text is there, OK is alive and saves it.
    fw::test::runModal(form, [&](QWidget*) {
      EXPECT_EQ(form.Edit1->text(), QStringLiteral("editor2"));
      EXPECT_EQ(form.Edit2->text(), QStringLiteral("game"));
      EXPECT_TRUE(form.Button3->isEnabled());
      form.Button3->click();
    });
    EXPECT_EQ(ini(), "editor2\r\ngame\r\n");
    std::filesystem::remove(game.path() / "fleetwick.ini");
  }
}

TEST_F(Settings, browseSharesOneRememberedPathAndCancelChangesNothing) {
  TForm7 form(main, dialogs);
  dialogs.answers = {std::nullopt, QStringLiteral("/games/crate view/cv.exe"),
                     QStringLiteral("/games/velmora.exe"), std::nullopt};
  fw::test::runModal(form, [&](QWidget*) {
    form.Button1->click();
    EXPECT_EQ(form.Edit1->text(), QString());
    EXPECT_FALSE(form.Button3->isEnabled()) << "a cancelled browse changes nothing";
    form.Button1->click();
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("/games/crate view/cv.exe"));
    EXPECT_TRUE(form.Button3->isEnabled());
    form.Button2->click();
    form.Button2->click();
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("/games/velmora.exe"));
    form.Button4->click();
  });
  EXPECT_EQ(dialogs.offered, (QStringList{QString(), QString(), QStringLiteral("/games/crate view/cv.exe"),
                                          QStringLiteral("/games/velmora.exe")}));
}

TEST_F(Settings, readOnlyFileKeepsTheWindowOpenWithTheNewPathsInUse) {
  game.write("fleetwick.ini", "old\r\n");
  game.makeReadOnly("fleetwick.ini");
  TForm7 form(main, dialogs);
  fw::test::runModal(form, [&](QWidget*) {
    type(form.Edit1, QStringLiteral("new"));
    form.Button3->click();
    QApplication::processEvents();
    EXPECT_TRUE(form.isVisible()) << "the window stays open after a failed save";
    form.Button4->click();
  });
  EXPECT_EQ(dialogs.errors,
            QStringList{fw::toQString("Cannot create file " + game.str() + "\\fleetwick.ini.")});
  EXPECT_EQ(ini(), "old\r\n");
  EXPECT_EQ(main.Edit14, "new");
  EXPECT_EQ(main.Edit15, "");
  EXPECT_EQ(main.Memo10, (fw::LineBuffer{"new", ""}));
}

TEST_F(Settings, missingStartDirectoryFailsWithItsPath) {
  main.Buffer = game.str() + "/gone";
  TForm7 form(main, dialogs);
  fw::test::runModal(form, [&](QWidget*) {
    type(form.Edit2, QStringLiteral("g"));
    form.Button3->click();
    EXPECT_TRUE(form.isVisible());
    form.close();
  });
  EXPECT_EQ(dialogs.errors,
            QStringList{fw::toQString("Cannot create file " + main.Buffer + "\\fleetwick.ini.")});
  EXPECT_EQ(main.Edit15, "g");
  EXPECT_FALSE(game.has("gone"));
}

TEST_F(Settings, textOutsideWindows1251IsRefusedAndNothingChanges) {
  main.Edit14 = "keep";
  TForm7 form(main, dialogs);
  fw::test::runModal(form, [&](QWidget*) {
    form.Edit2->setText(QStringLiteral("C:\\游戏\\v.exe"));
    form.Button3->click();
    EXPECT_TRUE(form.isVisible());
    form.Button4->click();
  });
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("Windows-1251")))
      << dialogs.errors.front().toStdString();
  EXPECT_EQ(ini(), "(none)");
  EXPECT_EQ(main.Edit14, "keep");
  EXPECT_EQ(main.Edit15, "");
  EXPECT_EQ(main.Memo10, fw::LineBuffer{"Memo10"});
}

} // namespace
