// Message boxes and file dialogs, reached through one interface: the program gives the real Qt
// dialogs, tests give a scripted stand-in, so that no test waits on a modal dialog.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace fw {

class Dialogs {
public:
  virtual ~Dialogs() = default;
  // An error box with an OK button; text already carries its full stop.
  virtual void error(QWidget* parent, const QString& text) = 0;
  // A plain message box with an OK button.
  virtual void message(QWidget* parent, const QString& text) = 0;
  // A save dialog offering `current` (a file name or the last chosen path); nothing on cancel.
  virtual std::optional<QString> saveFile(QWidget* parent, const QString& current, const QString& filter) = 0;
  // An open dialog offering `current`, and the kinds of file in `filter` where one is given;
  // nothing on cancel.
  virtual std::optional<QString> openFile(QWidget* parent, const QString& current,
                                          const QString& filter = {}) = 0;
  // A folder dialog opened at `start`; nothing on cancel.
  virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& caption,
                                              const QString& start) = 0;
};

// The real dialogs.
class QtDialogs final : public Dialogs {
public:
  void error(QWidget* parent, const QString& text) override;
  void message(QWidget* parent, const QString& text) override;
  std::optional<QString> saveFile(QWidget* parent, const QString& current, const QString& filter) override;
  std::optional<QString> openFile(QWidget* parent, const QString& current,
                                  const QString& filter = {}) override;
  std::optional<QString> chooseFolder(QWidget* parent, const QString& caption, const QString& start) override;
};

} // namespace fw
