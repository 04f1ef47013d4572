// The changes against the stock files through the real windows: the list, the marked values, the
// reset, and the list following the main window's commands.
#include "windows/ChangesWindow.h"
#include "WindowTest.h"
#include "windows/ViewerWindow.h"

#include <QTextDocument>
#include <QTreeWidget>

using namespace fw::test;
using namespace Qt::StringLiterals;

namespace {

// Each row's category, vehicle, changed files and missing lines, one after the other.
QStringList rows(const QTreeWidget* list) {
  QStringList all;
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    for (int column = 0; column < 4; ++column)
      all << list->topLevelItem(i)->text(column);
  return all;
}

} // namespace

TEST_F(WindowTest, changesWindowListsResetsAndFollowsTheWindowsWrites) {
  for (const char* file : {"handling.dat", "vehicles.ide", "carcols.dat"})
    game.write(std::string("common/data/") + file,
               readBytes(FLEETWICK_SOURCE_DIR "/data/" + std::string(file)));
  std::string handling = game.read("common/data/handling.dat"),
              carcols = game.read("common/data/carcols.dat");
  game.write("common/data/handling.dat",
             handling.replace(handling.find("BANSHEE          1450.0"), 23, "BANSHEE 1234.0"));
  game.write("common/data/carcols.dat", carcols.replace(carcols.find("pcj,"), 4, "pcx,"));
  start();
  menu("changesAgainstStock");
  auto* window = windows->main->findChild<ChangesWindow*>();
  ASSERT_TRUE(window && window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Изменения относительно оригинала"));
  auto* list = in<QTreeWidget>(window, "changesList");
  const QStringList pcj{u"Байк"_s, u"PCJ"_s, QString(), u"carcols.dat"_s};
  EXPECT_EQ(rows(list), QStringList({u"Авто"_s, u"BANSHEE"_s, u"handling.dat"_s, QString()}) + pcj);
  // The selected vehicle's lines one above the other, the differing value in bold and underlined.
  const QTextDocument* lines = in<QTextEdit>(window, "stockLines")->document();
  EXPECT_TRUE(lines->toPlainText().contains(QStringLiteral("сейчас:   BANSHEE 1234.0   1.7   85")));
  for (const QString& value : {QStringLiteral("1234.0"), QStringLiteral("1450.0")}) {
    const QTextCharFormat format = lines->find(value).charFormat();
    EXPECT_TRUE(format.fontUnderline() && format.fontWeight() == QFont::Bold) << value.toStdString();
  }
  EXPECT_FALSE(lines->find(QStringLiteral("1.7")).charFormat().fontUnderline()) << "the same value unmarked";

  menu("viewHandling"); // an open viewer follows the reset
  QTest::mouseClick(in(window, "resetButton"), Qt::LeftButton);
  EXPECT_EQ(game.read("common/data/handling.dat"), readBytes(FLEETWICK_SOURCE_DIR "/data/handling.dat"));
  EXPECT_EQ(text("Memo4"),
            QStringLiteral("\nРезервная копия handling_BANSHEE_1.hb создана...\nhandling.dat записан..."));
  EXPECT_TRUE(windows->viewers[0]->text().contains(QStringLiteral("BANSHEE          1450.0")));
  windows->viewers[0]->close();
  EXPECT_EQ(rows(list), pcj) << "the list follows the reset";
  EXPECT_TRUE(dialogs.errors.isEmpty());

  // The main window has looked BANSHEE up, so that its restore page offers the reset's backup.
  EXPECT_EQ(text("ComboBox5"), QStringLiteral("handling_BANSHEE_1.hb"));
  list->setCurrentItem(list->topLevelItem(0));
  QTest::mouseClick(in(window, "resetButton"), Qt::LeftButton);
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Не возвращено: в carcols.dat нет строки PCJ.")});
  window->close();
}
