// The three viewer windows (modules Unit2, Unit3, Unit4): one design, a text field showing a data
// file as it was last loaded. Typing is allowed; nothing is ever saved from here.
#pragma once

#include "common/LineBuffer.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

#include <optional>

class QPlainTextEdit;

namespace fw {

enum class SizeOf { Frame, Client };

// Sizes a top-level window (its frame's outer size, or its client area) and places its frame's top
// left corner at a point, or centres the frame on the screen. Frames are known only once the
// window exists, so the geometry is corrected by them when it is first shown; where there is no
// frame, client and frame coincide.
void placeWindow(QWidget* window, QSize size, SizeOf sizeOf, std::optional<QPoint> topLeft);

} // namespace fw

class TViewerForm : public QWidget {
  Q_OBJECT

public:
  struct Design {
    const char* name;    // object name of the window
    const char* caption; // also the file's name
    QSize outer;
    std::optional<QPoint> topLeft; // nothing: centred on the screen
  };

  // The window is built hidden, with `lines` already in its text field.
  TViewerForm(const Design& design, const fw::LineBuffer& lines, QWidget* parent);

  // Replaces the whole text, whatever was typed. A hidden window takes the lines into its text
  // field only when it is next shown: a data file of a million lines is not laid out for nobody.
  void loadLines(const fw::LineBuffer& lines);
  // Shows the window modeless and brings it to the front; a visible one only comes to the front.
  void showInFront();

  QPlainTextEdit* Memo1;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void showPendingLines();

  std::optional<fw::LineBuffer> pending_;
};

// handling.dat, centred.
class TForm2 : public TViewerForm {
  Q_OBJECT
public:
  // Throws fw::Error "Cannot open file common//data//handling.dat" when the file cannot be read.
  explicit TForm2(QWidget* parent = nullptr);
};

// vehicles.ide.
class TForm3 : public TViewerForm {
  Q_OBJECT
public:
  explicit TForm3(QWidget* parent = nullptr);
};

// carcols.dat.
class TForm4 : public TViewerForm {
  Q_OBJECT
public:
  explicit TForm4(QWidget* parent = nullptr);
};
