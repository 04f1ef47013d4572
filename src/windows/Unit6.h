// The about box: labels only, a fixed border, closed by the title bar alone.
#pragma once

#include <QDialog>

class QLabel;

class TForm6 : public QDialog {
  Q_OBJECT

public:
  explicit TForm6(QWidget* parent = nullptr);

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label10, *Label11, *Label14, *Label15;

protected:
  // The box has no button that closes it, so Esc does nothing; the title bar's close still does.
  void keyPressEvent(QKeyEvent* event) override;
};
