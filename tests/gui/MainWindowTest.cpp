// The main window through its real widgets: start-up, the road of one replacement, the resets,
// text the code page cannot hold, and the menu.
#include "WindowTest.h"
#include "main/Timestamp.h"
#include "windows/ErrorGuard.h"
#include "windows/ViewerWindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace fw::test;

namespace {

QString text(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
  return qobject_cast<QPlainTextEdit*>(w)->toPlainText();
}

} // namespace

TEST_F(WindowTest, startsWithTheDesignsStateAndTheListsOnDiskOrNotAtAll) {
  const std::string handling = game.read("common/data/handling.dat");
  std::filesystem::remove(game.path() / "common/data/handling.dat");
  EXPECT_FALSE(fw::createWindows(dialogs));
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot open file common//data//handling.dat.")});
  game.write("common/data/handling.dat", handling);
  game.write("backup/cblist.txt", cp("carcols_BIFF_1.hb          Ёж\r\n"));
  start();
  EXPECT_EQ(windows->main->windowTitle() + text(widget("ComboBox1")) + text(widget("ComboBox4")),
            QStringLiteral("Fleetwick v1.1ADMIRALANNHIL"));
  EXPECT_EQ(windows->main->centralWidget()->size(), QSize(857, 529));
  EXPECT_EQ(widget<QComboBox>("ComboBox1")->count(), 102);
  for (const char* name : {"ComboBox2", "ComboBox3", "ComboBox4", "Button2", "Button3", "Button4"})
    EXPECT_TRUE(widget(name)->isHidden()) << name;
  for (const char* name : {"Edit2", "Button5", "Edit3", "Button6", "Edit4", "Button7"})
    EXPECT_FALSE(widget(name)->isEnabled()) << name;
  EXPECT_TRUE(widget("Button14")->isEnabled() && widget<QPlainTextEdit>("Memo4")->isReadOnly());
  EXPECT_EQ(text(widget("Memo8")), QStringLiteral("carcols_BIFF_1.hb          Ёж"));
  EXPECT_EQ(text(widget("Label3")),
            QStringLiteral("Вводите сразу значение для автомобили без дубликата его названия!"));
}

TEST_F(WindowTest, looksUpWritesAndRestoresThroughTheWidgets) {
  start();
  click("Button1");
  EXPECT_EQ(text(widget("Label1")), QStringLiteral("ADMIRAL"));
  EXPECT_EQ(
      text(widget("Label2")),
      QStringLiteral("Вводите сразу значения для автомобиля, без ADMIRAL и пробела перед первым числом!"));
  type("Edit2", QStringLiteral("9.0 Ж"));
  click("Button5");
  const std::string written =
      cp("; Велмора\r\nADMIRAL 9.0 Ж\r\nBIFF 4.0\r\n;------- bikes\r\nBOBBER 7.0\r\n;------- boats\r\n");
  EXPECT_EQ(game.read("common/data/handling.dat"), written);
  EXPECT_EQ(text(widget("Memo4")),
            QStringLiteral("\nРезервная копия handling_ADMIRAL_1.hb создана...\nhandling.dat записан..."));
  EXPECT_EQ(text(widget("Memo6")),
            QStringLiteral("handling_ADMIRAL_1.hb          ") +
                fw::backupTimestamp(QDateTime(QDate(2026, 12, 6), QTime(10, 0)), QLocale::system()) +
                QLatin1Char('\n'));
  EXPECT_EQ(text(widget("ComboBox5")) + text(widget("Edit2")), QStringLiteral("handling_ADMIRAL_1.hb"));
  EXPECT_EQ(widget<QComboBox>("ComboBox5")->currentIndex(), 0) << "the newest backup is the one chosen";
  menu("viewHandling");
  EXPECT_TRUE(windows->viewers[0]->text().contains(QStringLiteral("\nADMIRAL 9.0 Ж\nBIFF")));
  windows->viewers[0]->hide();
  click("Button12");
  EXPECT_EQ(game.read("common/data/handling.dat").substr(11, 19), "ADMIRAL 1.0 2.0 3\r\n");
  widget<QComboBox>("ComboBox5")->setEditText(QStringLiteral("gone.hb"));
  click("Button12");
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot open file backup//handling//gone.hb.")});
}

TEST_F(WindowTest, categoryAndListChangesCloseTheRecordAndKeepWhatWasTyped) {
  start();
  click("Button1");
  type("Edit2", QStringLiteral("kept"));
  click("RadioButton2");
  EXPECT_TRUE(widget<QRadioButton>("RadioButton2")->isChecked() && !widget("ComboBox2")->isHidden());
  for (const char* name : {"ComboBox1", "ComboBox3", "ComboBox4", "Button1", "Button3", "Button4"})
    EXPECT_TRUE(widget(name)->isHidden()) << name;
  EXPECT_TRUE(!widget("Edit2")->isEnabled() && widget("Button12")->isEnabled());
  click("Button2");
  EXPECT_TRUE(widget("Edit2")->isEnabled());
  EXPECT_EQ(text(widget("Edit2")), QStringLiteral("kept"));
  widget<QComboBox>("ComboBox2")->setCurrentIndex(1);
  QCoreApplication::processEvents();
  EXPECT_FALSE(widget("Button12")->isEnabled() || widget("Edit2")->isEnabled());
  EXPECT_EQ(text(widget("Label1")), QString());
  click("RadioButton1");
  EXPECT_EQ(text(widget("ComboBox1")), QStringLiteral("ADMIRAL")) << "lists are never reset";
  for (const char* typed : {"banshee", "MANANA"}) {
    widget<QComboBox>("ComboBox1")->lineEdit()->clear();
    type("ComboBox1", QString::fromLatin1(typed));
    QTest::keyClick(widget<QComboBox>("ComboBox1")->lineEdit(), Qt::Key_Return); // as leaving the field does
    click("Button1");
    EXPECT_EQ(text(widget("ComboBox1")) + text(widget("Label1")), QString::fromLatin1(typed).repeated(2))
        << "looked up as typed: no completion";
  }
}

TEST_F(WindowTest, textOutsideTheCodePageBlocksOnlyTheCommandsThatUseIt) {
  start();
  click("Button1");
  type("Edit3", QStringLiteral("x 中"));
  type("Edit2", QStringLiteral("1"));
  click("Button5");
  EXPECT_EQ(game.read("common/data/handling.dat").substr(11, 11), "ADMIRAL 1\r\n")
      << "another field never blocks";
  click("Button6");
  EXPECT_EQ(dialogs.messages,
            QStringList{QStringLiteral("Текст содержит символы, которых нет в кодировке Windows-1251.")});
  EXPECT_EQ(text(widget("Edit3")), QStringLiteral("x 中")) << "the refused text stays";
  EXPECT_FALSE(game.has("backup/vblistb.txt"));
  widget<QPlainTextEdit>("Memo7")->setPlainText(QStringLiteral("中"));
  widget<QComboBox>("ComboBox6")->setEditText(QStringLiteral("中"));
  click("RadioButton3");
  EXPECT_TRUE(widget<QRadioButton>("RadioButton3")->isChecked() && !widget("ComboBox3")->isHidden())
      << "whole";
  click("Button3");
  EXPECT_EQ(text(widget("Label1")), QStringLiteral("DINGHY"));
  widget<QComboBox>("ComboBox3")->setEditText(QStringLiteral("中"));
  click("Button3");
  EXPECT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(text(widget("Label1")), QString());
}

TEST_F(WindowTest, aListChangeDuringADialogIsHandledAfterIt) {
  start();
  click("Button1");
  whileModal([&] { menu("settings"); },
             [&](QWidget* modal) {
               widget<QComboBox>("ComboBox1")->setEditText(QStringLiteral("BIFF"));
               QCoreApplication::processEvents();
               EXPECT_TRUE(widget("Button5")->isEnabled()) << "not while the dialog is open";
               modal->close();
             });
  QCoreApplication::processEvents();
  EXPECT_FALSE(widget("Button5")->isEnabled() || widget("Button12")->isEnabled());
}

TEST_F(WindowTest, menuShowsViewersWritesStockCopiesAndExits) {
  start();
  menu("viewCarcols");
  menu("viewCarcols");
  EXPECT_TRUE(windows->viewers[2]->isVisible());
  EXPECT_EQ(windows->viewers[2]->windowTitle(), QStringLiteral("carcols.dat"));
  windows->viewers[2]->close();
  const QString target = QString::fromStdString(game.str() + "/stock.dat"),
                all = QStringLiteral("|Все файлы (*.*)");
  dialogs.answers = {target, std::nullopt, QString::fromStdString(game.str() + "/no/x")};
  for (int i = 0; i < 3; ++i)
    menu("saveStockVehicles");
  EXPECT_EQ(game.read("stock.dat"), readBytes(FLEETWICK_SOURCE_DIR "/data/vehicles.ide"));
  EXPECT_EQ(dialogs.offered, (QStringList{QStringLiteral("vehicles.ide") + all, target + all, target + all}));
  EXPECT_EQ(dialogs.errors,
            QStringList{QString::fromStdString("Cannot create file " + game.str() + "/no/x.")});
  menu("whyNotSaved");
  click("Button9");
  EXPECT_EQ(
      dialogs.messages,
      (QStringList{QStringLiteral("Убедитесь, что на необходимых файлах не стоит атрибут Только чтоние!!!"),
                   QStringLiteral("Укажите в настройках путь к программе!")}));
  windows->main->show();
  menu("exit");
  EXPECT_FALSE(windows->main->isVisible());
}

TEST_F(WindowTest, theRealErrorBoxShowsTheTextWithItsFullStop) {
  fw::QtDialogs real;
  whileModal([&] { fw::guarded(real, nullptr, [] { throw fw::Error("Cannot open file x"); }); },
             [](QWidget* modal) {
               auto* box = qobject_cast<QMessageBox*>(modal);
               ASSERT_TRUE(box);
               EXPECT_EQ(box->windowTitle() + box->text(), QStringLiteral("ErrorCannot open file x."));
               box->accept();
             });
}
