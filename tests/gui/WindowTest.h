// The base of the window tests: a game folder as the current directory, the program's windows
// created in it with scripted dialogs, and the check that a test leaves no window open.
#pragma once

#include "TempFolder.h"
#include "common/Cp1251.h"
#include "main/Fleetwick.h"
#include "main/MainWindow.h"
#include "windows/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace fw::test {

// Records what the message boxes showed and answers the file dialogs from a script.
class ScriptedDialogs : public Dialogs {
public:
  void error(QWidget*, const QString& text) override { errors << text; }
  void message(QWidget*, const QString& text) override { messages << text; }
  std::optional<QString> saveFile(QWidget*, const QString& current, const QString& filter) override {
    return answer(current + QLatin1Char('|') + filter);
  }
  std::optional<QString> openFile(QWidget*, const QString& current) override { return answer(current); }
  QStringList errors, messages, offered;
  std::deque<std::optional<QString>> answers; // nothing: the user cancels

private:
  std::optional<QString> answer(const QString& offer) {
    offered << offer;
    EXPECT_FALSE(answers.empty()) << "a file dialog the test did not expect";
    auto next = answers.empty() ? std::nullopt : answers.front();
    if (!answers.empty()) answers.pop_front();
    return next;
  }
};

// Runs `open`, which shows a modal window, and `drive` once that window is the active modal one;
// a modal window still open five seconds later is a failure and is hidden.
inline void whileModal(const std::function<void()>& open, std::function<void(QWidget*)> drive) {
  QTimer timer;
  QDeadlineTimer deadline(5000);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && drive) std::exchange(drive, nullptr)(modal);
    if (modal && deadline.hasExpired()) {
      ADD_FAILURE() << "left open: " << modal->objectName().toStdString();
      modal->hide();
    }
  });
  timer.start(10);
  open();
  EXPECT_FALSE(drive) << "no modal window appeared";
}

inline std::string cp(const char* utf8) { return cp1251::fromUtf8(utf8); }

class WindowTest : public testing::Test {
protected:
  WindowTest() : game(true) {
    makeGameFolder(game,
                   cp("; Велмора\r\nADMIRAL 1.0 2.0 3\r\nBIFF 4.0\r\n;------- bikes\r\nBOBBER "
                      "7.0\r\n;------- boats\r\n"),
                   "cars\r\nadmiral, admiral, car\r\nbiff, biff, car\r\nend\r\ntxdp\r\n",
                   "col\r\nadmiral, 1,1\r\ncar4\r\n");
  }
  void TearDown() override {
    QCoreApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
      EXPECT_FALSE(w->isVisible()) << "left open: " << w->objectName().toStdString();
  }
  void start() {
    ASSERT_TRUE(windows = createWindows(dialogs));
    windows->main->setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(10, 0)); });
  }
  template <class W = QWidget> W* widget(const char* name) const {
    return windows->main->findChild<W*>(QString::fromLatin1(name));
  }
  // A click, and the queued work it leaves (the vehicle lists' change events), as the event loop would.
  void click(const char* name) const {
    QTest::mouseClick(widget(name), Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  // Types like a keyboard, also characters that no key of QTest's table has.
  void type(const char* name, const QString& text) const {
    QWidget* field = widget(name);
    if (auto* box = qobject_cast<QComboBox*>(field)) field = box->lineEdit();
    for (QChar c : text)
      QTest::sendKeyEvent(QTest::Click, field,
                          c.unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c),
                          Qt::NoModifier);
    QCoreApplication::processEvents();
  }
  void menu(const char* name) const {
    windows->main->findChild<QAction*>(QString::fromLatin1(name))->trigger();
  }

  TempFolder game;
  ScriptedDialogs dialogs;
  std::unique_ptr<Windows> windows;
};

} // namespace fw::test
