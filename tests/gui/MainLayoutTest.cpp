// The main window as the design has it: every control's container, place, size, caption, font and
// first state, the fixed client area, and the menu.
#include "WindowTest.h"
#include "main/Main.h"
#include "records/Catalogue.h"
#include "windows/Text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>

namespace fw::test {
namespace {

struct Expected {
  const char* name;
  const char* type;      // Qt class
  const char* container; // nullptr: the client area; "page N": page N of PageControl1
  QRect at;              // width 0: sized by its text, only the place is checked
  QString caption;       // group title, button or label text, or the first text of a field
  bool enabled;
  bool visible;
};

const QString kHint2 = QStringLiteral(
    "Вводите сразу значения для автомобиля, без его названия и без пробела перед первым числом!");
const QString kHint3 = QStringLiteral("Вводите сразу значение для автомобили без дубликата его названия!");
const QString kHint4 = QStringLiteral("Вводите сразу значение для автомобили без его названия!");
const QString kChoose = QStringLiteral("Выберите строку для восстановления:");
const QString kList = QStringLiteral("Список созданных  копий:");
const QString kOk = QStringLiteral("ОК");
const QString kRestore = QStringLiteral("Восстановить");

// clang-format off
const Expected kDesign[] = {
    {"GroupBox1", "QGroupBox", nullptr, {8, 8, 233, 105}, QStringLiteral("Что заменить? "), true, true},
    {"RadioButton1", "QRadioButton", "GroupBox1", {8, 16, 0, 0}, QStringLiteral("Авто"), true, true},
    {"RadioButton2", "QRadioButton", "GroupBox1", {56, 16, 0, 0}, QStringLiteral("Байк"), true, true},
    {"RadioButton3", "QRadioButton", "GroupBox1", {104, 16, 0, 0}, QStringLiteral("Лодку"), true, true},
    {"RadioButton4", "QRadioButton", "GroupBox1", {160, 16, 0, 0}, QStringLiteral("Авиа"), true, true},
    {"ComboBox1", "QComboBox", "GroupBox1", {8, 40, 217, 21}, QStringLiteral("ADMIRAL"), true, true},
    {"ComboBox2", "QComboBox", "GroupBox1", {8, 40, 217, 21}, QStringLiteral("BOBBER"), true, false},
    {"ComboBox3", "QComboBox", "GroupBox1", {8, 40, 217, 21}, QStringLiteral("DINGHY"), true, false},
    {"ComboBox4", "QComboBox", "GroupBox1", {8, 40, 217, 21}, QStringLiteral("ANNHIL"), true, false},
    {"Button1", "QPushButton", "GroupBox1", {8, 64, 75, 25}, kOk, true, true},
    {"Button2", "QPushButton", "GroupBox1", {8, 64, 75, 25}, kOk, true, false},
    {"Button3", "QPushButton", "GroupBox1", {8, 64, 75, 25}, kOk, true, false},
    {"Button4", "QPushButton", "GroupBox1", {8, 64, 75, 25}, kOk, true, false},
    {"GroupBox5", "QGroupBox", nullptr, {248, 48, 273, 65}, QStringLiteral("Быстрый старт "), true, true},
    {"Button8", "QPushButton", "GroupBox5", {24, 24, 105, 25}, QStringLiteral("Запустить Crateview"), true, true},
    {"Button9", "QPushButton", "GroupBox5", {136, 24, 105, 25}, QStringLiteral("Запустить Velmora"), true, true},
    {"Memo4", "QPlainTextEdit", nullptr, {8, 120, 513, 169}, QString(), true, true},
    {"Label1", "QLabel", nullptr, {8, 296, 0, 0}, QString(), true, true},
    {"GroupBox2", "QGroupBox", nullptr, {8, 312, 513, 65}, QStringLiteral("handling "), true, true},
    {"Edit2", "QLineEdit", "GroupBox2", {8, 16, 409, 21}, QString(), false, true},
    {"Button5", "QPushButton", "GroupBox2", {424, 16, 75, 21}, kOk, false, true},
    {"Label2", "QLabel", "GroupBox2", {8, 40, 0, 0}, kHint2, true, true},
    {"GroupBox3", "QGroupBox", nullptr, {8, 384, 513, 65}, QStringLiteral("vehicles "), true, true},
    {"Edit3", "QLineEdit", "GroupBox3", {8, 16, 409, 21}, QString(), false, true},
    {"Button6", "QPushButton", "GroupBox3", {424, 16, 75, 21}, kOk, false, true},
    {"Label3", "QLabel", "GroupBox3", {8, 40, 0, 0}, kHint3, true, true},
    {"GroupBox4", "QGroupBox", nullptr, {8, 456, 513, 65}, QStringLiteral("carcols "), true, true},
    {"Edit4", "QLineEdit", "GroupBox4", {8, 16, 409, 21}, QString(), false, true},
    {"Button7", "QPushButton", "GroupBox4", {424, 16, 75, 21}, kOk, false, true},
    {"Label4", "QLabel", "GroupBox4", {8, 40, 0, 0}, kHint4, true, true},
    {"Label5", "QLabel", "GroupBox4", {320, 17, 0, 0}, QString(), true, true},
    {"PageControl1", "QTabWidget", nullptr, {528, 8, 321, 513}, QString(), true, true},
    {"Label9", "QLabel", "page 0", {8, 0, 0, 0}, kChoose, true, true},
    {"ComboBox5", "QComboBox", "page 0", {8, 16, 209, 21}, QString(), true, true},
    {"Button12", "QPushButton", "page 0", {224, 16, 81, 21}, kRestore, true, true},
    {"Label10", "QLabel", "page 0", {8, 40, 0, 0}, kList, true, true},
    {"Memo6", "QPlainTextEdit", "page 0", {8, 56, 297, 417}, QString(), true, true},
    {"Label11", "QLabel", "page 1", {8, 0, 0, 0}, kChoose, true, true},
    {"ComboBox6", "QComboBox", "page 1", {8, 16, 209, 21}, QString(), true, true},
    {"Button13", "QPushButton", "page 1", {224, 16, 81, 21}, kRestore, true, true},
    {"Label12", "QLabel", "page 1", {8, 40, 0, 0}, kList, true, true},
    {"Memo7", "QPlainTextEdit", "page 1", {8, 56, 297, 417}, QString(), true, true},
    {"Label13", "QLabel", "page 2", {8, 0, 0, 0}, kChoose, true, true},
    {"ComboBox7", "QComboBox", "page 2", {8, 16, 209, 21}, QString(), true, true},
    {"Button14", "QPushButton", "page 2", {224, 16, 81, 21}, kRestore, true, true},
    {"Label14", "QLabel", "page 2", {8, 40, 0, 0}, kList, true, true},
    {"Memo8", "QPlainTextEdit", "page 2", {8, 56, 297, 417}, QString(), true, true},
};
// clang-format on

QString captionOf(QWidget* w) {
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->toPlainText();
  return QString();
}

class MainLayout : public WindowTest {
protected:
  GameFolder game;
  TForm1 form{dialogs};

  template <class W = QWidget> W* control(const char* name) {
    return form.findChild<W*>(QString::fromLatin1(name));
  }
};

TEST_F(MainLayout, everyControlStandsWhereTheDesignPutsIt) {
  auto* pages = control<QTabWidget>("PageControl1");
  ASSERT_TRUE(pages);
  ASSERT_EQ(pages->count(), 3);
  for (const Expected& e : kDesign) {
    SCOPED_TRACE(e.name);
    QWidget* w = control(e.name);
    ASSERT_TRUE(w);
    EXPECT_STREQ(w->metaObject()->className(), e.type);
    QWidget* container = form.centralWidget();
    if (e.container && QByteArray(e.container).startsWith("page "))
      container = pages->widget(QByteArray(e.container).mid(5).toInt());
    else if (e.container)
      container = control(e.container);
    EXPECT_EQ(w->parentWidget(), container);
    if (e.at.width() > 0) {
      EXPECT_EQ(w->geometry(), e.at);
    } else {
      EXPECT_EQ(w->pos(), e.at.topLeft());
    }
    EXPECT_EQ(captionOf(w), e.caption);
    EXPECT_EQ(w->isEnabled(), e.enabled);
    EXPECT_EQ(!w->isHidden(), e.visible);

    const bool red = QByteArray(e.name) == "Label1" || QByteArray(e.name) == "Label5";
    EXPECT_EQ(w->font().pointSize(), red ? 10 : 8);
    EXPECT_EQ(w->font().bold(), red);
    EXPECT_EQ(w->font().styleHint(), QFont::SansSerif);
    if (red) {
      EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(Qt::red));
    }
  }
}

TEST_F(MainLayout, pagesListsAndFieldsHaveTheirKind) {
  auto* pages = control<QTabWidget>("PageControl1");
  EXPECT_EQ(pages->tabText(0), QStringLiteral("handling.dat"));
  EXPECT_EQ(pages->tabText(1), QStringLiteral("vehicles.ide"));
  EXPECT_EQ(pages->tabText(2), QStringLiteral("carcols.dat"));
  EXPECT_EQ(pages->currentIndex(), 0);

  for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"}) {
    SCOPED_TRACE(name);
    auto* box = control<QComboBox>(name);
    EXPECT_TRUE(box->isEditable());
    EXPECT_EQ(box->insertPolicy(), QComboBox::NoInsert) << "typed text never becomes an entry";
  }
  const std::pair<const char*, Category> lists[] = {{"ComboBox1", Category::Car},
                                                    {"ComboBox2", Category::Bike},
                                                    {"ComboBox3", Category::Boat},
                                                    {"ComboBox4", Category::Helicopter}};
  for (auto [name, category] : lists) {
    SCOPED_TRACE(name);
    auto* box = control<QComboBox>(name);
    auto entries = catalogue::entries(category);
    ASSERT_EQ(box->count(), static_cast<int>(entries.size()));
    for (int i = 0; i < box->count(); ++i)
      EXPECT_EQ(box->itemText(i), toQString(entries[static_cast<std::size_t>(i)].text));
  }
  for (const char* name : {"ComboBox5", "ComboBox6", "ComboBox7"}) {
    EXPECT_TRUE(control<QComboBox>(name)->isEditable()) << name;
    EXPECT_EQ(control<QComboBox>(name)->count(), 0) << name;
  }

  auto* log = control<QPlainTextEdit>("Memo4");
  EXPECT_TRUE(log->isReadOnly());
  EXPECT_EQ(log->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(log->palette().color(QPalette::Text), QColor(0, 255, 0));
  EXPECT_EQ(log->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  for (const char* name : {"Memo6", "Memo7", "Memo8"}) {
    auto* memo = control<QPlainTextEdit>(name);
    EXPECT_FALSE(memo->isReadOnly()) << name;
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
  }
  EXPECT_TRUE(control<QRadioButton>("RadioButton1")->isChecked());
  for (const char* name : {"RadioButton2", "RadioButton3", "RadioButton4"})
    EXPECT_FALSE(control<QRadioButton>(name)->isChecked()) << name;
}

TEST_F(MainLayout, windowIsFixedCentredAndCaptioned) {
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Fleetwick v1.1"));
  EXPECT_EQ(form.centralWidget()->size(), QSize(857, 529));
  EXPECT_GE(form.centralWidget()->y(), form.menuBar()->geometry().bottom())
      << "the client area lies below the menu";
  EXPECT_EQ(form.size(), QSize(857, form.centralWidget()->y() + 529));
  EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the user cannot resize the window";
  const QRect screen = form.screen()->geometry();
  const QRect frame = form.frameGeometry();
  EXPECT_LE(std::abs(frame.left() - screen.left() - (screen.right() - frame.right())), 1) << "centred across";
  EXPECT_LE(std::abs(frame.top() - screen.top() - (screen.bottom() - frame.bottom())), 1) << "centred down";
  form.close();
}

TEST_F(MainLayout, menuHasItsItemsWithoutShortcuts) {
  struct Item {
    QString menu;
    QStringList items; // "-" for a separator
  };
  const Item expected[] = {
      {QStringLiteral("Файл"),
       {QStringLiteral("Посмотреть handling.dat"), QStringLiteral("Посмотреть vehicles.ide"),
        QStringLiteral("Посмотреть carcols.dat"), QStringLiteral("-"),
        QStringLiteral("Сохранить стандартный handling.dat как..."),
        QStringLiteral("Сохранить стандартный vehicles.ide как..."),
        QStringLiteral("Сохранить стандартный carcols.dat как..."), QStringLiteral("-"),
        QStringLiteral("Выход")}},
      {QStringLiteral("Настройки"), {QStringLiteral("Параметры")}},
      {QStringLiteral("Помощь"),
       {QStringLiteral("О программе"), QStringLiteral("Почему изменения не сохраняются?")}},
  };
  const QList<QAction*> menus = form.menuBar()->actions();
  ASSERT_EQ(menus.size(), std::size(expected));
  for (std::size_t m = 0; m < std::size(expected); ++m) {
    QAction* title = menus[static_cast<qsizetype>(m)];
    SCOPED_TRACE(title->text().toStdString());
    EXPECT_EQ(title->text(), expected[m].menu);
    EXPECT_TRUE(QKeySequence::mnemonic(title->text()).isEmpty());
    ASSERT_TRUE(title->menu());
    QStringList items;
    for (QAction* a : title->menu()->actions()) {
      items << (a->isSeparator() ? QStringLiteral("-") : a->text());
      EXPECT_TRUE(a->shortcuts().isEmpty()) << a->text().toStdString();
      EXPECT_TRUE(QKeySequence::mnemonic(a->text()).isEmpty()) << a->text().toStdString();
      if (!a->isSeparator()) {
        EXPECT_FALSE(a->objectName().isEmpty()) << a->text().toStdString();
        EXPECT_EQ(a->menuRole(), QAction::NoRole) << a->text().toStdString();
      }
    }
    EXPECT_EQ(items, expected[m].items);
  }
}

} // namespace
} // namespace fw::test
