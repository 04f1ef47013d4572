// A stand-in for the program's message boxes and file dialogs: it records what was shown and
// answers the file dialogs from a script, so that no test waits on a modal dialog.
#pragma once

#include "windows/Dialogs.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <optional>

namespace fw::test {

class ScriptedDialogs : public Dialogs {
public:
  void error(QWidget*, const QString& text) override { errors.push_back(text); }
  void message(QWidget*, const QString& text) override { messages.push_back(text); }

  std::optional<QString> saveFile(QWidget*, const QString& current, const QString& filter) override {
    offered.push_back(current);
    filters.push_back(filter);
    return answer();
  }

  std::optional<QString> openFile(QWidget*, const QString& current) override {
    offered.push_back(current);
    return answer();
  }

  QStringList errors, messages;
  QStringList offered, filters;               // what each file dialog offered, and its filter
  std::deque<std::optional<QString>> answers; // nothing: the user cancels

private:
  std::optional<QString> answer() {
    if (answers.empty()) {
      ADD_FAILURE() << "a file dialog that the test did not expect";
      return std::nullopt;
    }
    auto next = answers.front();
    answers.pop_front();
    return next;
  }
};

} // namespace fw::test
