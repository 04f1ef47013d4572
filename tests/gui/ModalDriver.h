// Drives a real modal window without blocking the test: the window is shown with exec() and a
// timer acts on it once it is the active modal widget.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QObject>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace fw::test {

// Shows a dialog modally with exec() and drives it from timer events: `drive` runs once the
// dialog is the active modal window; a modal window still open five seconds later is a failure
// and is hidden, so that exec() always returns.
class ModalDriver : public QObject {
public:
  explicit ModalDriver(std::function<void(QWidget*)> drive) : drive_(std::move(drive)) { startTimer(10); }

  int run(QDialog& dialog) {
    int result = dialog.exec();
    EXPECT_FALSE(drive_) << "the dialog never became modal";
    return result;
  }

protected:
  void timerEvent(QTimerEvent*) override {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && drive_) {
      auto drive = std::exchange(drive_, nullptr);
      deadline_ = QDeadlineTimer(5000);
      drive(modal);
    } else if (modal && deadline_.hasExpired()) {
      ADD_FAILURE() << "modal window left open: " << modal->objectName().toStdString();
      modal->hide();
    }
  }

private:
  std::function<void(QWidget*)> drive_;
  QDeadlineTimer deadline_{5000};
};

int runModal(QDialog& dialog, std::function<void(QWidget*)> drive) {
  return ModalDriver(std::move(drive)).run(dialog);
}

} // namespace fw::test
