// The base of the window tests: a game folder as the current directory, the program's windows
// created in it with scripted dialogs, and the check that a test leaves no window open.
#pragma once

#include "TempFolder.h"
#include "common/Cp1251.h"
#include "main/Fleetwick.h"
#include "main/MainWindow.h"
#include "windows/Dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace fw::test {

// Records what the message boxes showed and answers the file dialogs from a script: a missing
// answer is the user's cancel.
class ScriptedDialogs : public Dialogs {
public:
  void error(QWidget*, const QString& text) override { errors << text; }
  void message(QWidget*, const QString& text) override { messages << text; }
  std::optional<QString> saveFile(QWidget*, const QString& current, const QString& filter) override {
    return answer(current + QLatin1Char('|') + filter);
  }
  std::optional<QString> openFile(QWidget*, const QString& current, const QString& filter = {}) override {
    return answer(filter.isEmpty() ? current : current + QLatin1Char('|') + filter);
  }
  std::optional<QString> chooseFolder(QWidget*, const QString& caption, const QString& start) override {
    return answer(caption + QLatin1Char('|') + start);
  }
  QStringList errors, messages, offered;
  std::deque<std::optional<QString>> answers;

private:
  std::optional<QString> answer(const QString& offer) {
    offered << offer;
    std::optional<QString> next;
    if (!answers.empty()) next = answers.front(), answers.pop_front();
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

// A window's control by its name in the design.
template <class W = QPushButton> W* in(QWidget* window, const char* name) {
  return window->findChild<W*>(QString::fromLatin1(name));
}

class WindowTest : public testing::Test {
protected:
  WindowTest() : game(true) { makeGameFolder(game, testData("window")); }
  void TearDown() override {
    QCoreApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
      EXPECT_FALSE(w->isVisible()) << "left open: " << w->objectName().toStdString();
  }
  void start() {
    ASSERT_TRUE(windows = createWindows(dialogs));
    windows->main->setClock([] { return platform::LocalTime{2026, 12, 6, 10, 0, 0, 0}; });
  }
  template <class W = QWidget> W* widget(const char* name) const { return in<W>(windows->main.get(), name); }
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
  void menu(const char* name) const { widget<QAction>(name)->trigger(); }
  // What a widget shows: a label's or a field's text, a list's text.
  QString text(const char* name) const {
    QWidget* w = widget(name);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    return qobject_cast<QPlainTextEdit*>(w)->toPlainText();
  }
  // What several widgets show, in the order named.
  QStringList texts(std::initializer_list<const char*> names) const {
    QStringList shown;
    for (const char* name : names)
      shown << text(name);
    return shown;
  }
  // The named widgets as seen: each name, then "!" when hidden, "-" when disabled, "*" when checked.
  std::string seen(const std::string& names) const {
    std::istringstream in(names);
    std::string out, name;
    while (in >> name) {
      const QWidget* w = widget(name.c_str());
      const auto* button = qobject_cast<const QAbstractButton*>(w);
      out += (out.empty() ? "" : " ") + name + (w->isHidden() ? "!" : "") + (w->isEnabled() ? "" : "-") +
             (button && button->isChecked() ? "*" : "");
    }
    return out;
  }

  TempFolder game;
  ScriptedDialogs dialogs;
  std::unique_ptr<Windows> windows;
};

} // namespace fw::test
