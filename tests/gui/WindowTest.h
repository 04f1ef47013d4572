// The base of the main window's tests: a game folder as the current directory, the scripted
// dialogs, and the check that a test leaves no window open.
#pragma once

#include "GameFolder.h"
#include "ScriptedDialogs.h"
#include "windows/Viewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace fw::test {

// What a viewer shows: a hidden viewer takes new lines into its text field when it is shown.
inline QString viewerText(TViewerForm& viewer) {
  const bool wasVisible = viewer.isVisible();
  viewer.showInFront();
  QString text = viewer.Memo1->toPlainText();
  if (!wasVisible) viewer.hide();
  return text;
}

class WindowTest : public testing::Test {
protected:
  void TearDown() override {
    QCoreApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
      EXPECT_FALSE(w->isVisible()) << "left open: " << w->metaObject()->className() << " "
                                   << w->objectName().toStdString();
  }

  // Types like a keyboard, also characters that no key of QTest's table has.
  static void type(QWidget* field, const QString& text) {
    field->setFocus();
    for (QChar c : text) {
      if (c.unicode() < 0x80)
        QTest::keyClick(field, static_cast<char>(c.unicode()));
      else
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  // Lets queued work (the vehicle lists' change events) run, as the event loop would.
  static void settle() { QCoreApplication::processEvents(); }

  ScriptedDialogs dialogs;
};

} // namespace fw::test
