// A replacement and its restore driven through the main window's widgets: the handlers get what
// the user typed and the clock's time, and the window shows the log, the lists and the viewer
// that they changed, also when a step fails half-way.
#include "WindowTest.h"
#include "main/Main.h"
#include "main/Timestamp.h"
#include "windows/Text.h"
#include "windows/Viewer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace fw::test {
namespace {

struct Row {
  FileKind kind;
  const char* input;
  const char* write;
  const char* restore;
  const char* names;
  const char* dated;
  const char* file;           // in the game folder
  const char* fileName;       // as the log names it
  const char* prefix;         // of backup names
  std::string typed, written; // the typed values and the line they make
  std::size_t line;           // index of ADMIRAL's line in the file
};

const Row kRows[] = {
    {FileKind::Handling, "Edit2", "Button5", "Button12", "ComboBox5", "Memo6", "common/data/handling.dat",
     "handling.dat", "handling_", cp("9.0 Ж 9"), cp("ADMIRAL 9.0 Ж 9"), 1},
    {FileKind::Vehicles, "Edit3", "Button6", "Button13", "ComboBox6", "Memo7", "common/data/vehicles.ide",
     "vehicles.ide", "vehicles_", "car, ADMIRAL2", "admiral, admiral, car, ADMIRAL2", 2},
    {FileKind::Carcols, "Edit4", "Button7", "Button14", "ComboBox7", "Memo8", "common/data/carcols.dat",
     "carcols.dat", "carcols_", "5,5", "admiral, 5,5", 2},
};

class RecordFlow : public WindowTest {
protected:
  void SetUp() override {
    form.setWindows({&handlingViewer, &vehiclesViewer, &carcolsViewer}, nullptr, nullptr);
    form.setClock([this] { return now; });
    form.show();
    click("Button1"); // ADMIRAL, the list's first entry
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
  }
  void TearDown() override {
    form.close();
    WindowTest::TearDown();
  }

  template <class W = QWidget> W* control(const char* name) {
    return form.findChild<W*>(QString::fromLatin1(name));
  }
  void click(const char* name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
  std::string lineOf(const Row& row) {
    return std::string(LineBuffer::fromBytes(game.read(row.file)).at(static_cast<std::int64_t>(row.line)));
  }
  TViewerForm& viewerOf(const Row& row) {
    return row.kind == FileKind::Handling   ? static_cast<TViewerForm&>(handlingViewer)
           : row.kind == FileKind::Vehicles ? static_cast<TViewerForm&>(vehiclesViewer)
                                            : carcolsViewer;
  }
  QString log() { return control<QPlainTextEdit>("Memo4")->toPlainText(); }

  GameFolder game{true, true};
  QDateTime now{QDate(2024, 12, 6), QTime(13, 5, 9)};
  TForm1 form{dialogs};
  TForm2 handlingViewer;
  TForm3 vehiclesViewer;
  TForm4 carcolsViewer;
};

TEST_F(RecordFlow, writtenLineIsBackedUpListedLoggedAndRestored) {
  EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("ADMIRAL"));
  QStringList expectedLog{QString()};
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.file);
    const std::string stock = lineOf(row);
    const QString backup = QString::fromLatin1(row.prefix) + QStringLiteral("ADMIRAL_1.hb");

    type(control(row.input), toQString(row.typed));
    click(row.write);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lineOf(row), row.written);
    EXPECT_EQ(control<QLineEdit>(row.input)->text(), QString()) << "the input is cleared";
    expectedLog << QStringLiteral("Резервная копия ") + backup + QStringLiteral(" создана...")
                << QString::fromLatin1(row.fileName) + QStringLiteral(" записан...");
    EXPECT_EQ(log(), expectedLog.join(QLatin1Char('\n')));

    auto* names = control<QComboBox>(row.names);
    ASSERT_EQ(names->count(), 1);
    EXPECT_EQ(names->itemText(0), backup);
    EXPECT_EQ(names->currentText(), backup);
    const QString dated = control<QPlainTextEdit>(row.dated)->toPlainText().split(QLatin1Char('\n')).front();
    EXPECT_TRUE(dated.startsWith(backup)) << dated.toStdString();
    EXPECT_TRUE(dated.endsWith(toQString(backupTimestampBytes(now, QLocale::system()))))
        << dated.toStdString();
    EXPECT_EQ(viewerText(viewerOf(row)), joinLines(LineBuffer::fromBytes(game.read(row.file))));

    click(row.restore);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lineOf(row), stock);
    expectedLog << QStringLiteral("Резервная копия ") + backup + QStringLiteral(" восстановлена...");
    EXPECT_EQ(log(), expectedLog.join(QLatin1Char('\n')));
    EXPECT_EQ(viewerText(viewerOf(row)), joinLines(LineBuffer::fromBytes(game.read(row.file))));
  }
}

TEST_F(RecordFlow, writeThatFailsHalfWayShowsWhatWasDone) {
  game.makeReadOnly("common/data/handling.dat");
  const std::string before = game.read("common/data/handling.dat");
  type(control("Edit2"), QStringLiteral("1 2 3"));
  click("Button5");
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Cannot create file ") + toQString(game.str()) +
                                        QStringLiteral("//common//data//handling.dat.")});
  EXPECT_EQ(game.read("common/data/handling.dat"), before);
  EXPECT_EQ(control<QComboBox>("ComboBox5")->count(), 1)
      << "the backup was made and listed before the failure";
  EXPECT_EQ(log(), QStringLiteral("\nРезервная копия handling_ADMIRAL_1.hb создана..."));
  EXPECT_EQ(control<QLineEdit>("Edit2")->text(), QStringLiteral("1 2 3"))
      << "the input stays for another try";
  EXPECT_TRUE(control("Edit2")->isEnabled());
}

} // namespace
} // namespace fw::test
