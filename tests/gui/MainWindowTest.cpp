// The main window through its real widgets: start-up, the road of one replacement, the resets,
// text the code page cannot hold, the menu and the real dialogs.
#include "WindowTest.h"
#include "windows/ErrorGuard.h"
#include "windows/FindingsWindow.h"
#include "windows/ViewerWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

using namespace fw::test;

TEST_F(WindowTest, looksUpWritesAndRestoresThroughTheWidgets) {
  const std::string handling = game.read("common/data/handling.dat");
  std::filesystem::remove(game.path() / "common/data/handling.dat");
  EXPECT_FALSE(fw::createWindows(dialogs));
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot open file common//data//handling.dat.")});
  game.write("common/data/handling.dat", handling);
  game.write("backup/cblist.txt", cp("carcols_BIFF_1.hb          Ёж\r\n"));
  start();
  EXPECT_EQ(windows->main->objectName(), QStringLiteral("Form1"));
  EXPECT_EQ(
      texts({"ComboBox4", "Memo8", "Label3"}),
      (QStringList{QStringLiteral("ANNHIL"), QStringLiteral("carcols_BIFF_1.hb          Ёж"),
                   QStringLiteral("Вводите сразу значение для автомобили без дубликата его названия!")}));
  EXPECT_TRUE(widget<QPlainTextEdit>("Memo4")->isReadOnly()) << "the log";
  const QImage icon = windows->main->windowIcon().pixmap(16).toImage();
  EXPECT_LT(icon.pixelColor(0, 0).alpha(), 128) << "a round icon";
  EXPECT_GT(icon.pixelColor(1, 0).alpha() % 255, 0) << "drawn smooth: its edge partly covers a pixel";
  EXPECT_EQ(widget<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(seen("RadioButton1 ComboBox1 ComboBox2 Button2 Button4 Edit2 Button5 Edit4 Button7 Button14"),
            "RadioButton1* ComboBox1 ComboBox2! Button2! Button4! Edit2- Button5- Edit4- Button7- Button14");
  click("Button1");
  EXPECT_EQ(texts({"ComboBox1", "Label1", "Label2"}),
            (QStringList{QStringLiteral("ADMIRAL"), QStringLiteral("ADMIRAL"),
                         QStringLiteral("Вводите сразу значения для автомобиля, без ADMIRAL и пробела перед "
                                        "первым числом!")}));
  type("Edit2", QStringLiteral("1 2 3")); // as many values as ADMIRAL's line has
  EXPECT_EQ(text("handlingVerdict"), QStringLiteral("Верно: значений 3 из 3"));
  widget<QLineEdit>("Edit2")->selectAll();
  type("Edit2", QStringLiteral("9.0 Ж")); // the verdict is advice: the OK writes this all the same
  EXPECT_EQ(text("handlingVerdict"), QStringLiteral("Ошибка: значений 2 из 3"));
  EXPECT_EQ(widget<QLabel>("handlingVerdict")->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(widget("Edit2")->accessibleDescription(), text("handlingVerdict")) << "for a screen reader";
  auto* verdict = widget<QLabel>("handlingVerdict");
  windows->main->show();                                 // a hidden widget is resized only when shown
  verdict->setFont(QFont(verdict->font().family(), 40)); // as a setting or another screen's DPI may
  EXPECT_TRUE(verdict->text().endsWith(QStringLiteral("…"))) << "shortened to its width";
  verdict->setFixedWidth(2000);
  EXPECT_EQ(verdict->text(), verdict->toolTip()) << "whole where it fits";
  windows->main->hide();
  menu("viewHandling"); // an open viewer follows the write
  click("Button5");
  EXPECT_EQ(game.read("common/data/handling.dat"),
            cp("; Велмора\r\nADMIRAL 9.0 Ж\r\nBIFF 4.0\r\n;------- bikes\r\n"
               "BOBBER 7.0\r\n;------- boats\r\n"));
  EXPECT_EQ(text("Memo6"), QStringLiteral("handling_ADMIRAL_1.hb          12/06/26 10:00:00\n"));
  EXPECT_EQ(texts({"ComboBox5", "Edit2"}), (QStringList{QStringLiteral("handling_ADMIRAL_1.hb"), QString()}));
  EXPECT_EQ(widget<QComboBox>("ComboBox5")->itemText(0), QStringLiteral("handling_ADMIRAL_1.hb"))
      << "offered";
  widget<QPlainTextEdit>("Memo4")->selectAll(); // to copy it, while typing on
  type("Edit2", QStringLiteral("1"));
  EXPECT_TRUE(widget<QPlainTextEdit>("Memo4")->textCursor().hasSelection()) << "the log's selection stays";
  EXPECT_TRUE(windows->viewers[0]->text().contains(QStringLiteral("\nADMIRAL 9.0 Ж\nBIFF")));
  const auto* viewerText = windows->viewers[0]->findChild<QPlainTextEdit*>();
  EXPECT_EQ(viewerText->size(), windows->viewers[0]->size());
  windows->viewers[0]->hide();
  click("Button12");
  EXPECT_EQ(game.read("common/data/handling.dat").substr(11, 19), "ADMIRAL 1.0 2.0 3\r\n");
  widget<QComboBox>("ComboBox5")->setEditText(QStringLiteral("gone.hb"));
  click("Button12");
  EXPECT_EQ(dialogs.errors.last(),
            QString::fromStdString("Cannot open file " + game.str() + "//backup//handling//gone.hb."));
  widget<QTabWidget>("PageControl1")->setCurrentIndex(2);
  widget<QComboBox>("ComboBox1")->setEditText(QStringLiteral("CONTENDER"));
  QCoreApplication::processEvents();
  click("Button1");
  EXPECT_EQ(widget<QTabWidget>("PageControl1")->currentIndex(), 0)
      << "a vehicle with a handling.dat line only";
}

TEST_F(WindowTest, categoryAndListChangesCloseTheRecordAndKeepWhatWasTyped) {
  start();
  click("Button1");
  type("Edit2", QStringLiteral("kept"));
  click("RadioButton2"); // the record closes, but for the restore buttons
  EXPECT_EQ(
      seen("RadioButton1 RadioButton2 ComboBox1 ComboBox2 ComboBox3 Button1 Button2 Button3 Edit2 Button6 "
           "Button12 Button13"),
      "RadioButton1 RadioButton2* ComboBox1! ComboBox2 ComboBox3! Button1! Button2 Button3! Edit2- Button6- "
      "Button12 Button13");
  EXPECT_EQ(text("Label1"), QString());
  click("Button2");
  EXPECT_EQ(texts({"Edit2", "Label1"}), (QStringList{QStringLiteral("kept"), QStringLiteral("BOBBER")}));
  widget<QComboBox>("ComboBox2")->setCurrentIndex(1);
  QCoreApplication::processEvents();
  EXPECT_EQ(seen("Edit2 Button12"), "Edit2- Button12-");
  EXPECT_EQ(text("Label1"), QString());
  click("RadioButton1");
  EXPECT_EQ(text("ComboBox1"), QStringLiteral("ADMIRAL")) << "lists are never reset";
  for (const char* typed : {"banshee", "MANANA"}) {
    widget<QComboBox>("ComboBox1")->lineEdit()->clear();
    type("ComboBox1", QString::fromLatin1(typed));
    QTest::keyClick(widget<QComboBox>("ComboBox1")->lineEdit(), Qt::Key_Return); // as leaving the field does
    click("Button1");
    EXPECT_EQ(texts({"ComboBox1", "Label1"}), QStringList(2, QString::fromLatin1(typed))) << "no completion";
  }
  widget<QComboBox>("ComboBox1")->setEditText(QStringLiteral("ADMIRAL"));
  QCoreApplication::processEvents();
  click("Button1");
  widget<QComboBox>("ComboBox1")->lineEdit()->setSelection(6, 1);
  type("ComboBox1", QStringLiteral("L")); // typing counts even when the text ends as it was
  EXPECT_EQ(seen("Button5"), "Button5-");
  click("Button1");
  whileModal([&] { menu("settings"); },
             [&](QWidget* modal) {
               widget<QComboBox>("ComboBox1")->setEditText(QStringLiteral("BIFF"));
               QCoreApplication::processEvents();
               EXPECT_EQ(seen("Button5"), "Button5") << "not while a dialog is open";
               modal->close();
             });
  QCoreApplication::processEvents();
  EXPECT_EQ(seen("Button5 Button12"), "Button5- Button12-") << "but after it";
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
  EXPECT_EQ(texts({"Edit3", "vehiclesVerdict"}),
            (QStringList{QStringLiteral("x 中"),
                         QStringLiteral("Ошибка: символы, которых нет в кодировке Windows-1251")}))
      << "the refused text stays";
  EXPECT_FALSE(game.has("backup/vblistb.txt"));
  widget<QPlainTextEdit>("Memo7")->setPlainText(QStringLiteral("中"));
  widget<QComboBox>("ComboBox6")->setEditText(QStringLiteral("中"));
  click("RadioButton3");
  click("Button3");
  EXPECT_EQ(seen("RadioButton3 ComboBox3"), "RadioButton3* ComboBox3");
  EXPECT_EQ(text("Label1"), QStringLiteral("DINGHY"));
  widget<QComboBox>("ComboBox3")->setEditText(QStringLiteral("中"));
  click("Button3");
  EXPECT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(text("Label1"), QString());
}

TEST_F(WindowTest, menuAndLaunchersShowViewersWriteStockCopiesStartProgramsAndExit) {
  const TempFolder programs(false, u8"Игры"); // a path the settings file's code page holds
  programs.write("игра.sh",
                 "#!/bin/sh\ncd \"$(dirname \"$0\")\" && echo \"$@\" > args.part && mv args.part args\n");
  std::filesystem::permissions(programs.path("игра.sh"), std::filesystem::perms::owner_all);
  game.write("fleetwick.ini", "\r\n" + cp((programs.str() + "/игра.sh один два").c_str()) + "\r\n");
  start();
  for (int i : {0, 1, 2}) { // each item shows its own file's viewer
    menu(std::array{"viewHandling", "viewVehicles", "viewCarcols"}[i]);
    EXPECT_TRUE(windows->viewers[i]->isVisible()) << i;
  }
  windows->viewers[0]->hide(), windows->viewers[1]->hide();
  EXPECT_EQ(windows->viewers[2]->windowTitle(), QStringLiteral("carcols.dat"));
  for (int shown = 0; shown < 2; ++shown) { // and again, with nothing new to show
    EXPECT_EQ(windows->viewers[2]->text(), QStringLiteral("col\nadmiral, 1,1\ncar4"));
    windows->viewers[2]->close();
    menu("viewCarcols");
  }
  windows->viewers[2]->close();
  // A chosen path is taken exactly as chosen, whatever the game's own files are called.
  const QString target = QString::fromStdString(game.at("common/data/Vehicles.ide")),
                all = QStringLiteral("|Все файлы (*.*)");
  game.makeDir("mods");
  dialogs.answers = {target, std::nullopt, QString::fromStdString(game.at("Mods/x"))};
  const std::string own = game.read("common/data/vehicles.ide");
  for (int i = 0; i < 3; ++i)
    menu("saveStockVehicles");
  EXPECT_EQ(game.read("common/data/Vehicles.ide"), readBytes(FLEETWICK_SOURCE_DIR "/data/vehicles.ide"));
  EXPECT_EQ(game.read("common/data/vehicles.ide"), own);
  EXPECT_EQ(dialogs.offered, (QStringList{QStringLiteral("vehicles.ide") + all, target + all, target + all}));
  EXPECT_EQ(dialogs.errors,
            QStringList{QString::fromStdString("Cannot create file " + game.at("Mods/x") + ".")});
  game.write("common/data/carcols.dat", "col\r\nadmiral, 1,1\r\n300,0,300\r\nend\r\n"); // warnings too
  menu("checkGameFiles"); // the files on disk, each finding after its file and line
  auto* findings = windows->main->findChild<FindingsWindow*>();
  ASSERT_TRUE(findings);
  EXPECT_EQ(findings->text(),
            QStringLiteral("Ошибок: 3, предупреждений: 2.\nhandling.dat:3: ошибка: значений 2 из 4\n"
                           "vehicles.ide:5: ошибка: раздел txdp не закрыт словом end\n"
                           "carcols.dat:2: ошибка: поле red: «admiral» — не целое число\n"
                           "carcols.dat:3: внимание: поле red: 300 вне диапазона от 0 до 255\n"
                           "carcols.dat:3: внимание: поле blue: 300 вне диапазона от 0 до 255"));
  findings->showMinimized();
  menu("checkGameFiles");
  EXPECT_TRUE(findings->isVisible() && !findings->isMinimized()) << "shown again in front";
  findings->close();
  menu("whyNotSaved");
  click("Button8"); // no path set
  click("Button9"); // a command line with Cyrillic letters
  for (int i = 0; i < 200 && !programs.has("args"); ++i)
    QTest::qWait(25);
  EXPECT_EQ(programs.read("args"), "один два\n");
  EXPECT_EQ(
      dialogs.messages,
      (QStringList{QStringLiteral("Убедитесь, что на необходимых файлах не стоит атрибут Только чтоние!!!"),
                   QStringLiteral("Укажите в настройках путь к программе!")}));
  windows->main->show();
  menu("exit");
  EXPECT_FALSE(windows->main->isVisible());
}

TEST(RealDialogs, showTheErrorWithItsClosingDotAndReplaceAFileWithoutAsking) {
  fw::QtDialogs real;
  whileModal([&] { fw::guarded(real, nullptr, [] { throw fw::Error("Cannot open file x"); }); },
             [](QWidget* modal) {
               EXPECT_EQ(modal->windowTitle(), QStringLiteral("Error"));
               EXPECT_EQ(qobject_cast<QMessageBox*>(modal)->text(), QStringLiteral("Cannot open file x."));
               modal->close();
             });
  const QString chosen = QDir::temp().filePath(QStringLiteral("velmora.exe")); // offered again
  whileModal([&] { EXPECT_FALSE(real.saveFile(nullptr, chosen, QString())); },
             [&](QWidget* modal) {
               EXPECT_TRUE(qobject_cast<QFileDialog*>(modal)->testOption(QFileDialog::DontConfirmOverwrite));
               EXPECT_EQ(qobject_cast<QFileDialog*>(modal)->selectedFiles(), QStringList{chosen});
               modal->close();
             });
  whileModal([&] { EXPECT_FALSE(real.openFile(nullptr, chosen)); },
             [&](QWidget* modal) {
               EXPECT_EQ(qobject_cast<QFileDialog*>(modal)->selectedFiles(), QStringList{chosen});
               modal->close();
             });
}
