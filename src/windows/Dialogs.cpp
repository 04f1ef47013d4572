#include "windows/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace fw {

void QtDialogs::error(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
  box.exec();
}

void QtDialogs::message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Fleetwick"), text, QMessageBox::Ok, parent);
  box.exec();
}

// A file's path as the dialog's folder opens its folder with the file selected.
std::optional<QString> QtDialogs::saveFile(QWidget* parent, const QString& current, const QString& filter) {
  QFileDialog dialog(parent, QString(), current, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

std::optional<QString> QtDialogs::openFile(QWidget* parent, const QString& current, const QString& filter) {
  QFileDialog dialog(parent, QString(), current, filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

std::optional<QString> QtDialogs::chooseFolder(QWidget* parent, const QString& caption,
                                               const QString& start) {
  QFileDialog dialog(parent, caption, start);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

} // namespace fw
