// "Установка мода" through the real window: a read-me pasted, a pack's choice, the rows filled, every
// file written as three OKs would write them, and an error box that names what stopped a write.
#include "WindowTest.h"
#include "windows/ViewerWindow.h"

#include <QClipboard>

using namespace fw::test;

TEST_F(WindowTest, installsAPastedReadMeIntoTheRowsOrTheFiles) {
  game.write("common/data/carcols.dat",
             "col\r\n1,1,1\r\n2,2,2\r\nend\r\ncar\r\nadmiral, 1,1\r\nend\r\ncar4\r\n");
  start();
  EXPECT_FALSE(widget<QAction>("installMod")->isEnabled()) << "no vehicle looked up";
  click("Button1");
  type("Edit4", QStringLiteral("1,1, 0,1")); // combinations of two, however many
  EXPECT_EQ(text("carcolsVerdict"), QStringLiteral("Верно: сочетаний цветов 2"));
  menu("installMod");
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("ADMIRAL 9.0 8.0 7"))
    utf16 += {c, '\0'};
  game.write("mod.txt", utf16);
  const QString opened = QString::fromStdString(game.at("mod.txt")),
                none = QString::fromStdString(game.at("no.txt"));
  dialogs.answers = {opened, none};
  click("openFile");
  EXPECT_EQ(text("modText"), QStringLiteral("ADMIRAL 9.0 8.0 7"));
  click("openFile");
  EXPECT_EQ(dialogs.offered.last(), opened + QStringLiteral("|Текстовые файлы (*.txt);;Все файлы (*)"));
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot open file ") + none + QLatin1Char('.')});
  const auto paste = [&](const char* text) {
    widget<QPlainTextEdit>("modText")->selectAll();
    QApplication::clipboard()->setText(QString::fromUtf8(text));
    QTest::keyClick(widget("modText"), Qt::Key_V, Qt::ControlModifier);
  };
  paste("Мод, версия 1.3\n");
  EXPECT_EQ(text("modNotes").left(31), QStringLiteral("В тексте нет строки для ADMIRAL"));
  paste("Пак, версия 2\n BIFF2 1 2 3\nADMIRAL2 4 5 6\n\tbiff2, biff2, car\nadmiral2, admiral2, "
        "car\nadmiral2, 7,7\n");
  EXPECT_EQ(seen("modHandlingChoice modHandlingLine writeAll fillRows"),
            "modHandlingChoice modHandlingLine! writeAll- fillRows-");
  widget<QComboBox>("modHandlingChoice")->setCurrentIndex(1); // the others follow
  EXPECT_EQ(widget("modCarcolsVerdict")->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(widget("modCarcolsVerdict")->toolTip(),
            QStringLiteral("Ошибка: поле 2: цвета 7 нет в таблице из 2 цветов (и ещё 1)"));
  EXPECT_EQ(texts({"modVehiclesChoice", "modCarcolsLine"}),
            (QStringList{QStringLiteral("строка 5: admiral2"),
                         QStringLiteral("строка 6: admiral2, мод для другой машины")}));
  paste("Мод для ADMIRAL (4 МБ)\n  ADMIRAL 9.0 8.0 7  \nadmiral, admiral, car\nadmiral,\t1,0\n");
  EXPECT_EQ(texts({"modHandlingLine", "modHandlingVerdict", "modNotes"}),
            (QStringList{QStringLiteral("строка 2: ADMIRAL"), QStringLiteral("Верно: значений 3 из 3"),
                         QString()}));
  const std::string handling = game.read("common/data/handling.dat");
  click("fillRows");
  EXPECT_FALSE(widget("ModInstallWindow")->isVisible()) << "it gives way to the rows";
  EXPECT_EQ(texts({"Edit2", "Edit3", "Edit4"}),
            (QStringList{QStringLiteral("9.0 8.0 7"), QStringLiteral("car"), QStringLiteral("1,0")}));
  game.makeReadOnly("common/data/carcols.dat");
  menu("installMod");
  click("writeAll");
  EXPECT_EQ(dialogs.errors.last(),
            QString::fromStdString("Cannot create file " + game.str() + "//common//data//carcols.dat."));
  EXPECT_EQ(game.read("common/data/handling.dat"), handling) << "all or nothing";
  EXPECT_TRUE(widget("ModInstallWindow")->isVisible()) << "kept open after an error";
  std::filesystem::permissions(game.path("common/data/carcols.dat"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  menu("viewCarcols");
  click("writeAll");
  EXPECT_EQ(game.read("common/data/vehicles.ide").substr(6, 23), "admiral, admiral, car\r\n");
  EXPECT_EQ(windows->viewers[2]->text(),
            QStringLiteral("col\n1,1,1\n2,2,2\nend\ncar\nadmiral, 1,0\nend\ncar4"));
  EXPECT_TRUE(text("Memo4").endsWith(QStringLiteral(
      "handling_ADMIRAL_1.hb создана...\nhandling.dat записан...\nРезервная копия vehicles_ADMIRAL_1.hb "
      "создана...\nvehicles.ide записан...\nРезервная копия carcols_ADMIRAL_1.hb создана...\ncarcols.dat "
      "записан...")));
  EXPECT_FALSE(widget("ModInstallWindow")->isVisible());
  windows->viewers[2]->close();
}
