// The settings window: the two program paths of the quick-start buttons, saved to fleetwick.ini in
// the start directory. Its fields live as long as the program and keep what was typed.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace fw {
class Dialogs;
struct MainState;
} // namespace fw

class TForm7 : public QDialog {
  Q_OBJECT

public:
  // Copies the main window's Edit14 and Edit15 into Edit1 and Edit2.
  TForm7(fw::MainState& main, fw::Dialogs& dialogs, QWidget* parent = nullptr);

  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* Button1;
  QLabel* Label2;
  QLineEdit* Edit2;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;

private:
  void Edit1Change();
  void Edit2Change();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void browse(QLineEdit* field);

  fw::MainState& main_;
  fw::Dialogs& dialogs_;
  QString OpenDialog1; // the path the open dialog offers next, shared by both browse buttons
};
