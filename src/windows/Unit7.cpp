#include "windows/Unit7.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/Files.h"
#include "common/MainState.h"
#include "windows/ErrorGuard.h"
#include "windows/Text.h"
#include "windows/Viewer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

void smallFont(QWidget* w) {
  QFont f = w->font();
  f.setPointSize(8);
  w->setFont(f);
}

QLabel* label(QWidget* parent, const char* name, QPoint at, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  l->adjustSize();
  l->move(at);
  return l;
}

QLineEdit* edit(QWidget* parent, const char* name, QRect at) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QLatin1String(name));
  e->setGeometry(at);
  return e;
}

QPushButton* button(QWidget* parent, const char* name, QRect at, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setGeometry(at);
  // A QDialog makes its first auto-default button the default one; this window has none, so
  // Enter in a path field presses nothing.
  b->setAutoDefault(false);
  return b;
}

// A path field's text as the settings file holds it.
std::string pathBytes(const QLineEdit* field) {
  auto bytes = fw::fromQString(field->text());
  if (!bytes)
    throw fw::Error(fw::cp1251::fromUtf8("Путь содержит символы, которых нет в кодировке Windows-1251"));
  return *bytes;
}

} // namespace

TForm7::TForm7(fw::MainState& main, fw::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), main_(main), dialogs_(dialogs) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QStringLiteral("Параметры"));
  smallFont(this);
  fw::placeWindow(this, {434, 175}, fw::SizeOf::Frame, std::nullopt);

  Label1 = label(this, "Label1", {8, 8}, QStringLiteral("Запускать Crateview из:"));
  Edit1 = edit(this, "Edit1", {8, 24, 321, 21});
  Button1 = button(this, "Button1", {336, 24, 75, 21}, QStringLiteral("Обзор..."));
  Label2 = label(this, "Label2", {8, 48}, QStringLiteral("Запускать Velmora из:"));
  Edit2 = edit(this, "Edit2", {8, 64, 321, 21});
  Button2 = button(this, "Button2", {336, 64, 75, 21}, QStringLiteral("Обзор..."));
  Button3 = button(this, "Button3", {256, 104, 75, 21}, QStringLiteral("ОК"));
  Button4 = button(this, "Button4", {336, 104, 75, 21}, QStringLiteral("Отмена"));
  Button3->setEnabled(false);

  connect(Edit1, &QLineEdit::textChanged, this, &TForm7::Edit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &TForm7::Edit2Change);
  connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm7::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm7::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm7::Button4Click);

  // Connected first: a path from the settings file counts as a change and enables OK.
  Edit1->setText(fw::toQString(main_.Edit14));
  Edit2->setText(fw::toQString(main_.Edit15));
}

// Nothing disables OK again once a path has changed.
void TForm7::Edit1Change() { Button3->setEnabled(true); }
void TForm7::Edit2Change() { Button3->setEnabled(true); }

void TForm7::Button1Click() { browse(Edit1); }
void TForm7::Button2Click() { browse(Edit2); }

void TForm7::browse(QLineEdit* field) {
  fw::guarded(dialogs_, this, [&] {
    if (auto chosen = dialogs_.openFile(this, OpenDialog1)) {
      OpenDialog1 = *chosen;
      field->setText(*chosen);
    }
  });
}

void TForm7::Button3Click() {
  bool saved = fw::guarded(dialogs_, this, [&] {
    // Both paths are checked before anything changes: a refused text leaves all as it was.
    std::string editor = pathBytes(Edit1);
    std::string game = pathBytes(Edit2);
    main_.Memo10.clear();
    main_.Memo10.append(editor);
    main_.Memo10.append(game);
    main_.Edit14 = editor;
    main_.Edit15 = game;
    // The start directory, not the current one: a browse dialog may have moved that.
    fw::saveLines(fw::FilePath::under(main_.Buffer, "\\fleetwick.ini"), main_.Memo10);
  });
  if (saved) accept();
}

void TForm7::Button4Click() { reject(); }
