// The findings of the check of the game's files, one a line, in a read-only window of their own;
// closing it hides it.
#pragma once

#include <QWidget>

class QPlainTextEdit;

class FindingsWindow : public QWidget {
  Q_OBJECT

public:
  explicit FindingsWindow(QWidget* parent = nullptr);

  // Replaces the text and shows the window in front.
  void showText(const QString& text);
  QString text() const;

private:
  QPlainTextEdit* text_;
};
