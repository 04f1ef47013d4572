// The main window's binding of widgets and state, through the real widgets: category clicks, list
// changes by picking and by typing, what rendering must not do, errors and refused text.
#include "WindowTest.h"
#include "main/Main.h"
#include "windows/Text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace fw::test {
namespace {

const QString kRefused = QStringLiteral("Текст содержит символы, которых нет в кодировке Windows-1251.");

class MainWindow : public WindowTest {
protected:
  void SetUp() override {
    form.show();
    // Keyboard focus, and so the radio group's arrow keys, needs the active window.
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  void TearDown() override {
    form.close();
    WindowTest::TearDown();
  }

  template <class W = QWidget> W* control(const QString& name) {
    W* w = form.findChild<W*>(name);
    EXPECT_TRUE(w) << name.toStdString();
    return w;
  }
  template <class W = QWidget> W* control(const char* name) { return control<W>(QString::fromLatin1(name)); }
  void click(const char* name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }

  // The state a lookup leaves: a record open for editing.
  void openRecord() {
    MainState& s = form.state();
    for (FileKind k : kFileKinds) {
      KindFields f = fieldsOf(s, k);
      f.input.Enabled = f.writeButton.Enabled = f.restoreButton.Enabled = true;
    }
    s.Label1 = "ADMIRAL";
    s.Label5 = "x";
    s.Edit1 = "1";
    form.render();
  }

  // Whether the widgets of the input rows and the restore buttons are enabled, in that order.
  std::array<bool, 2> rowsAndRestore() {
    bool rows = false, restore = false;
    for (const char* name : {"Edit2", "Button5", "Edit3", "Button6", "Edit4", "Button7"})
      rows = rows || control(name)->isEnabled();
    for (const char* name : {"Button12", "Button13", "Button14"})
      restore = restore || control(name)->isEnabled();
    return {rows, restore};
  }

  GameFolder game;
  TForm1 form{dialogs};
};

struct CategoryControls {
  const char* radio;
  Category category;
  const char* list;
  const char* button;
  const char* firstEntry;
};
const CategoryControls kCategoryControls[] = {
    {"RadioButton1", Category::Car, "ComboBox1", "Button1", "ADMIRAL"},
    {"RadioButton2", Category::Bike, "ComboBox2", "Button2", "BOBBER"},
    {"RadioButton3", Category::Boat, "ComboBox3", "Button3", "DINGHY"},
    {"RadioButton4", Category::Helicopter, "ComboBox4", "Button4", "ANNHIL"},
};

TEST_F(MainWindow, categoryClickShowsItsListAndClosesTheRecord) {
  for (const CategoryControls& picked : kCategoryControls) {
    SCOPED_TRACE(picked.radio);
    openRecord();
    form.state().Button13.Enabled = false;
    form.render();

    click(picked.radio);

    EXPECT_TRUE(form.state().checked(picked.category));
    for (const CategoryControls& c : kCategoryControls) {
      EXPECT_EQ(control<QRadioButton>(c.radio)->isChecked(), c.radio == picked.radio) << c.radio;
      EXPECT_EQ(control(c.list)->isVisible(), c.list == picked.list) << c.list;
      EXPECT_EQ(control(c.button)->isVisible(), c.button == picked.button) << c.button;
      EXPECT_EQ(control<QComboBox>(c.list)->currentText(), QString::fromLatin1(c.firstEntry))
          << "lists keep their text";
    }
    EXPECT_EQ(control<QLabel>("Label1")->text(), QString());
    EXPECT_EQ(control<QLabel>("Label5")->text(), QString());
    EXPECT_EQ(form.state().Edit1, "");
    EXPECT_FALSE(rowsAndRestore()[0]) << "input rows disabled";
    EXPECT_TRUE(control("Button12")->isEnabled()) << "restore buttons stay as they were";
    EXPECT_FALSE(control("Button13")->isEnabled()) << "restore buttons stay as they were";
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindow, arrowKeyInTheGroupSwitchesCategory) {
  openRecord();
  control("RadioButton1")->setFocus();
  QTest::keyClick(control("RadioButton1"), Qt::Key_Right);
  EXPECT_TRUE(control<QRadioButton>("RadioButton2")->isChecked());
  EXPECT_TRUE(form.state().checked(Category::Bike));
  EXPECT_TRUE(control("ComboBox2")->isVisible());
  EXPECT_FALSE(control("ComboBox1")->isVisible());
  EXPECT_FALSE(rowsAndRestore()[0]);
}

TEST_F(MainWindow, typedInputSurvivesACategorySwitchWithItsCursor) {
  openRecord();
  auto* edit = control<QLineEdit>("Edit2");
  type(edit, QStringLiteral("1.0 Ж"));
  edit->setCursorPosition(1);
  click("RadioButton3");
  EXPECT_FALSE(edit->isEnabled());
  EXPECT_EQ(edit->text(), QStringLiteral("1.0 Ж"));
  EXPECT_EQ(edit->cursorPosition(), 1) << "rendering left the field alone";
  EXPECT_EQ(form.state().Edit2.Text, cp("1.0 Ж"));
}

TEST_F(MainWindow, renderingRunsNoHandler) {
  openRecord();
  MainState& s = form.state();
  s.check(Category::Boat);
  s.ComboBox3.Visible = true;
  s.ComboBox1.Visible = false;
  s.ComboBox1.Text = "BIFF";
  s.ComboBox3.Text = "TUG";
  form.render();
  settle();
  EXPECT_TRUE(control<QRadioButton>("RadioButton3")->isChecked());
  EXPECT_EQ(control<QComboBox>("ComboBox1")->currentText(), QStringLiteral("BIFF"));
  EXPECT_EQ(control<QComboBox>("ComboBox3")->currentText(), QStringLiteral("TUG"));
  EXPECT_EQ(s.Label1, "ADMIRAL") << "no handler cleared the vehicle label";
  EXPECT_TRUE(s.Edit2.Enabled && s.Button12.Enabled);
  EXPECT_EQ(s.Edit1, "1");
  EXPECT_EQ(rowsAndRestore(), (std::array<bool, 2>{true, true}));
}

TEST_F(MainWindow, pickingOrTypingInAVehicleListClosesTheRecord) {
  enum class How { PickNext, TypeAChar, RetypeTheSame };
  for (const CategoryControls& c : kCategoryControls) {
    for (How how : {How::PickNext, How::TypeAChar, How::RetypeTheSame}) {
      SCOPED_TRACE(std::string(c.list) + " way " + std::to_string(static_cast<int>(how)));
      click(c.radio);
      openRecord();
      auto* box = control<QComboBox>(c.list);
      const QString before = box->currentText();
      QLineEdit* line = box->lineEdit();
      box->setFocus();
      switch (how) {
      case How::PickNext: QTest::keyClick(box, Qt::Key_Down); break;
      case How::TypeAChar:
        line->end(false);
        type(line, QStringLiteral("X"));
        break;
      case How::RetypeTheSame:
        line->end(false);
        line->cursorBackward(true);
        type(line, before.right(1));
        break;
      }
      settle();
      EXPECT_EQ(box->currentText() == before, how == How::RetypeTheSame);
      EXPECT_EQ(toQString(form.state().vehicleList(c.category).Text), box->currentText());
      EXPECT_EQ(rowsAndRestore(), (std::array<bool, 2>{false, false}));
      EXPECT_EQ(control<QLabel>("Label1")->text(), QString());
      EXPECT_EQ(form.state().Edit1, "1") << "the line index stays";
    }
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindow, typedVehicleTextIsTakenAsTyped) {
  auto* line = control<QComboBox>("ComboBox1")->lineEdit();
  const QString texts[] = {QStringLiteral("admiral"), QStringLiteral("BURRITO2"), QStringLiteral("Ж")};
  for (const QString& text : texts) {
    line->clear();
    type(line, text);
    settle();
    EXPECT_EQ(toQString(form.state().ComboBox1.Text), text);
  }
  line->clear();
  type(line, QStringLiteral("BURRIT"));
  settle();
  EXPECT_EQ(form.state().ComboBox1.Text, "BURRITO") << "completion follows the entries' own case";
}

TEST_F(MainWindow, failingHandlerShowsItsErrorAndTheProgramGoesOn) {
  // No section marker and the marker field at its design text: the lookup stops at the bound,
  // after it has shown the label and opened the rows.
  form.state().Memo1 = LineBuffer{"ADMIRAL 1.0"};
  click("Button1");
  EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("'Edit13' is not a valid integer value.")});
  EXPECT_EQ(control<QLabel>("Label1")->text(), QStringLiteral("ADMIRAL"))
      << "what ran before the error shows";
  EXPECT_TRUE(control("Edit2")->isEnabled());

  click("RadioButton2");
  EXPECT_TRUE(control("ComboBox2")->isVisible()) << "the next command runs";
  EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(MainWindow, textOutsideTheCodePageIsRefusedBeforeTheHandler) {
  const QString foreign = QStringLiteral("中");
  const std::string fileBefore = game.read("common/data/handling.dat");

  openRecord();
  type(control("Edit2"), foreign);
  click("Button5");
  EXPECT_EQ(dialogs.messages, QStringList{kRefused});
  EXPECT_EQ(form.state().Edit2.Text, "");
  EXPECT_EQ(control<QLineEdit>("Edit2")->text(), foreign) << "the typed text stays for the user to mend";
  EXPECT_EQ(game.read("common/data/handling.dat"), fileBefore);

  control<QLineEdit>("Edit2")->clear();
  dialogs.messages.clear();
  type(control<QComboBox>("ComboBox1")->lineEdit(), foreign);
  settle();
  EXPECT_EQ(dialogs.messages, QStringList{kRefused}) << "one box for one keystroke";
  EXPECT_EQ(form.state().ComboBox1.Text, "ADMIRAL");
  EXPECT_EQ(form.state().Label1, "ADMIRAL") << "the list-change handler did not run";

  control<QComboBox>("ComboBox1")->lineEdit()->undo();
  dialogs.messages.clear();
  type(control("Memo6"), foreign);
  click("RadioButton2");
  EXPECT_EQ(dialogs.messages, QStringList{kRefused});
  EXPECT_TRUE(form.state().checked(Category::Car)) << "the category handler did not run";
  EXPECT_TRUE(dialogs.errors.isEmpty());
  control<QPlainTextEdit>("Memo6")->clear();
}

TEST_F(MainWindow, multiLineFieldIsTakenOnlyWhenTheUserEditedIt) {
  MainState& s = form.state();
  s.Memo6 = LineBuffer{}; // an empty list file: no line at all
  s.Memo7 = LineBuffer{cp("копия\xC2\xA0"
                          "1"),
                       "b"};
  form.render();
  click("RadioButton1");
  EXPECT_EQ(s.Memo6.size(), 0u) << "showing the list did not add an empty line";
  EXPECT_EQ(s.Memo7, (LineBuffer{cp("копия\xC2\xA0"
                                    "1"),
                                 "b"}));

  auto* memo = control<QPlainTextEdit>("Memo7");
  memo->moveCursor(QTextCursor::End);
  type(memo, QStringLiteral("c"));
  click("RadioButton1");
  EXPECT_EQ(s.Memo7, (LineBuffer{cp("копия\xC2\xA0"
                                    "1"),
                                 "bc"}))
      << "the no-break space survives an edit";
}

TEST_F(MainWindow, userChosenPageIsKept) {
  control<QTabWidget>("PageControl1")->setCurrentIndex(2);
  click("RadioButton2");
  EXPECT_EQ(form.state().PageControl1, 2);
  EXPECT_EQ(control<QTabWidget>("PageControl1")->currentIndex(), 2);
  form.state().PageControl1 = 0;
  form.render();
  EXPECT_EQ(control<QTabWidget>("PageControl1")->currentIndex(), 0);
}

TEST_F(MainWindow, launchButtonsNeedAProgram) {
#ifdef _WIN32
  const std::string program = "cmd.exe /c exit 0";
#else
  const std::string program = "/bin/true";
#endif
  const QString missing = QStringLiteral("Укажите в настройках путь к программе!");
  struct Case {
    const char* button;
    std::string MainState::*path;
    std::string value;
    bool starts;
  } cases[] = {
      {"Button8", &MainState::Edit14, "", false},
      {"Button9", &MainState::Edit15, "", false},
      {"Button8", &MainState::Edit14, game.str() + "/no such program", false},
      {"Button8", &MainState::Edit14, program, true},
      {"Button9", &MainState::Edit15, program, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.button) + " " + c.value);
    dialogs.messages.clear();
    form.state().Edit14.clear();
    form.state().Edit15.clear();
    form.state().*c.path = c.value;
    click(c.button);
    EXPECT_EQ(dialogs.messages, c.starts ? QStringList{} : QStringList{missing});
  }
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

} // namespace
} // namespace fw::test
