// The settings window: the two program paths of the quick-start buttons, saved to fleetwick.ini in
// the start directory. Its fields live as long as the program and keep what was typed.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace fw {
class Dialogs;
struct MainState;
} // namespace fw

class SettingsWindow : public QDialog {
  Q_OBJECT

public:
  // Shows the main window's two program paths in its fields.
  SettingsWindow(fw::MainState& main, fw::Dialogs& dialogs, QWidget* parent = nullptr);

private:
  void browse(QLineEdit* field);
  void save();

  fw::MainState& main_;
  fw::Dialogs& dialogs_;
  QLineEdit* archiveEditorField_;
  QLineEdit* gameField_;
  QPushButton* okButton_;
  QString openDialogPath_; // what the open dialog offers next, shared by both browse buttons
};
