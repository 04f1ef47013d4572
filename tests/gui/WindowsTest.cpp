// The settings window, the about box and the backup timestamp.
#include "WindowTest.h"
#include "windows/Text.h"

#include <QDir>
#include <QPushButton>

using namespace fw::test;

TEST_F(WindowTest, settingsAreSavedToTheStartDirectoryOnlyByOk) {
  game.write("fleetwick.ini", "");
  start();
  const auto settings = [&](const std::function<void(QWidget*)>& drive) {
    whileModal([&] { menu("settings"); }, drive);
  };
  settings([&](QWidget* w) {
    EXPECT_FALSE(in(w, "Button3")->isEnabled()) << "both paths empty";
    dialogs.answers = {QStringLiteral("/games/Игра/velmora"), std::nullopt};
    QTest::mouseClick(in(w, "Button2"), Qt::LeftButton);
    QTest::mouseClick(in(w, "Button1"), Qt::LeftButton);
    EXPECT_TRUE(in(w, "Button3")->isEnabled());
    in<QLineEdit>(w, "Edit1")->setText(QStringLiteral("typed"));
    QTest::keyClick(w, Qt::Key_Escape);
  });
  EXPECT_EQ(game.read("fleetwick.ini"), "") << "cancel writes nothing";
  EXPECT_EQ(dialogs.offered, (QStringList{QString(), QStringLiteral("/games/Игра/velmora")}));
  QDir::setCurrent(QDir::tempPath()); // as a browse dialog may do
  settings([&](QWidget* w) {
    EXPECT_EQ(in<QLineEdit>(w, "Edit1")->text(), QStringLiteral("typed")) << "kept after cancel";
    QTest::keyClick(in<QLineEdit>(w, "Edit2"), Qt::Key_Return);
    EXPECT_TRUE(w->isVisible() && dialogs.offered.size() == 2) << "Enter presses nothing";
    in<QLineEdit>(w, "Edit1")->setText(QStringLiteral("typed\n")); // pasted with its line break
    QTest::mouseClick(in(w, "Button3"), Qt::LeftButton);
    EXPECT_EQ(game.read("fleetwick.ini"), "") << "refused: the file would gain a line";
    in<QLineEdit>(w, "Edit1")->setText(QStringLiteral("typed"));
    QTest::mouseClick(in(w, "Button3"), Qt::LeftButton);
  });
  QDir::setCurrent(QString::fromStdString(game.str()));
  EXPECT_EQ(game.read("fleetwick.ini"), "typed\r\n" + windows->main->state().gamePath + "\r\n");
  EXPECT_EQ(windows->main->state().gamePath, cp("/games/Игра/velmora"));
  game.makeReadOnly("fleetwick.ini");
  settings([&](QWidget* w) {
    in<QLineEdit>(w, "Edit1")->setText(QStringLiteral("new"));
    QTest::mouseClick(in(w, "Button3"), Qt::LeftButton);
    EXPECT_TRUE(w->isVisible()) << "the window stays open when the file cannot be written";
    in<QLineEdit>(w, "Edit2")->setText(QStringLiteral("中"));
    QTest::mouseClick(in(w, "Button3"), Qt::LeftButton);
    w->close();
  });
  EXPECT_EQ(dialogs.errors,
            (QStringList{QStringLiteral("Путь не может содержать перевод строки, ничего не записано."),
                         QString::fromStdString("Cannot create file " + game.str() + "\\fleetwick.ini."),
                         QStringLiteral("Путь содержит символы, которых нет в кодировке Windows-1251.")}));
  EXPECT_EQ(windows->main->state().archiveEditorPath, "new") << "in use until exit";
  start(); // a window made anew shows the paths of the settings file
  settings([&](QWidget* w) {
    EXPECT_EQ(in<QLineEdit>(w, "Edit1")->text(), QStringLiteral("typed"));
    w->close();
  });
  whileModal([&] { menu("about"); },
             [&](QWidget* w) {
               EXPECT_EQ(w->windowTitle(), QStringLiteral("О программе"));
               EXPECT_EQ(in<QLabel>(w, "Label11")->text(), QStringLiteral("fw@fw.test"));
               w->close();
             });
}
