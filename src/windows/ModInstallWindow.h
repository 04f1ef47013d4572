// "Установка мода": a mod's read-me pasted or opened, the lines found in it for the looked-up vehicle
// with each row's verdict, and the two ways on: the main window's rows filled for their OKs, or every
// file written at once. The reading and the writing are the core's; this window only shows them.
#pragma once

#include "common/MainState.h"
#include "common/Services.h"
#include "form/ModText.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace fw {
class Dialogs;
class ElidedLabel;
} // namespace fw

class ModInstallWindow : public QWidget {
  Q_OBJECT

public:
  // Runs a handler as the main window runs a write of its own: the user's edits there taken first
  // (a write records the dated lists as the user left them), an error shown in a box over
  // `parent`, the main window shown again after, and this window's follow().
  using Runner = std::function<void(QWidget* parent, const std::function<void()>& handler)>;

  ModInstallWindow(fw::MainState& main, fw::Dialogs& dialogs, fw::Services services, Runner run,
                   QWidget* parent = nullptr);

  void showInFront();
  // Reads the text again when the looked-up vehicle or its lines have changed since it was read.
  void follow();

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void read();
  void render();
  void chose(fw::FileKind k, int index);
  void openFile();
  void fillRows();
  void writeAll();

  fw::MainState& main_;
  fw::Dialogs& dialogs_;
  fw::Services services_;
  Runner run_;
  QLabel* vehicle_;
  QPlainTextEdit* text_;
  std::array<QLabel*, 3> found_{};
  std::array<fw::ElidedLabel*, 3> verdicts_{};
  std::array<QComboBox*, 3> choices_{};
  QLabel* notes_;
  QPushButton *fill_, *writeAll_;
  std::optional<fw::form::ModReading> reading_;
  QString problem_;    // why the text gives no lines
  std::string lookup_; // what the reading was made for
  QString openedPath_; // offered by the next open dialog
  bool rendering_ = false;
};
