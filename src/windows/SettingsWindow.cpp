#include "windows/SettingsWindow.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/MainState.h"
#include "records/Settings.h"
#include "windows/ErrorGuard.h"
#include "windows/Text.h"
#include "windows/ViewerWindow.h"

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

SettingsWindow::SettingsWindow(fw::MainState& main, fw::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), main_(main), dialogs_(dialogs) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QStringLiteral("Параметры"));
  smallFont(this);
  fw::placeWindow(this, {434, 175}, fw::SizeOf::Frame, std::nullopt);

  label(this, "Label1", {8, 8}, QStringLiteral("Запускать Crateview из:"));
  archiveEditorField_ = edit(this, "Edit1", {8, 24, 321, 21});
  auto* browseArchiveEditor = button(this, "Button1", {336, 24, 75, 21}, QStringLiteral("Обзор..."));
  label(this, "Label2", {8, 48}, QStringLiteral("Запускать Velmora из:"));
  gameField_ = edit(this, "Edit2", {8, 64, 321, 21});
  auto* browseGame = button(this, "Button2", {336, 64, 75, 21}, QStringLiteral("Обзор..."));
  okButton_ = button(this, "Button3", {256, 104, 75, 21}, QStringLiteral("ОК"));
  auto* cancel = button(this, "Button4", {336, 104, 75, 21}, QStringLiteral("Отмена"));
  okButton_->setEnabled(false);

  // Nothing disables OK again once a path has changed.
  for (QLineEdit* field : {archiveEditorField_, gameField_})
    connect(field, &QLineEdit::textChanged, okButton_, [this] { okButton_->setEnabled(true); });
  connect(browseArchiveEditor, &QPushButton::clicked, this, [this] { browse(archiveEditorField_); });
  connect(browseGame, &QPushButton::clicked, this, [this] { browse(gameField_); });
  connect(okButton_, &QPushButton::clicked, this, &SettingsWindow::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  // Connected first: a path from the settings file counts as a change and enables OK.
  archiveEditorField_->setText(fw::toQString(main_.archiveEditorPath));
  gameField_->setText(fw::toQString(main_.gamePath));
}

void SettingsWindow::browse(QLineEdit* field) {
  fw::guarded(dialogs_, this, [&] {
    if (auto chosen = dialogs_.openFile(this, openDialogPath_)) {
      openDialogPath_ = *chosen;
      field->setText(*chosen);
    }
  });
}

void SettingsWindow::save() {
  bool saved = fw::guarded(dialogs_, this, [&] {
    // Both paths are checked before anything changes: a refused text leaves all as it was.
    fw::saveSettings(main_, pathBytes(archiveEditorField_), pathBytes(gameField_));
  });
  if (saved) accept();
}
