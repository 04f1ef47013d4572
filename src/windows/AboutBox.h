// The about box: labels only, a fixed border, closed by the title bar alone.
#pragma once

#include <QDialog>

class AboutBox : public QDialog {
  Q_OBJECT

public:
  explicit AboutBox(QWidget* parent = nullptr);

protected:
  // The box has no button that closes it, so Esc does nothing; the title bar's close still does.
  void keyPressEvent(QKeyEvent* event) override;
};
