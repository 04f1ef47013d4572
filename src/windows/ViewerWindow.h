// The three viewer windows: one design, a text field showing a data file as it was last loaded.
// Typing is allowed; nothing is ever saved from here.
#pragma once

#include "common/LineBuffer.h"
#include "common/MainState.h"

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

class ViewerWindow : public QWidget {
  Q_OBJECT

public:
  // The data file's viewer, built hidden with the file (relative to the current directory) in its
  // text field. Throws fw::Error "Cannot open file ..." when the file cannot be read.
  explicit ViewerWindow(fw::FileKind kind, QWidget* parent = nullptr);

  // Replaces the whole text, whatever was typed. A hidden window takes the lines into its text
  // field only when it is next shown: a data file of a million lines is not laid out for nobody.
  void loadLines(const fw::LineBuffer& lines);
  // Shows the window modeless and brings it to the front; a visible one only comes to the front.
  void showInFront();
  QString text() const;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void showPendingLines();

  QPlainTextEdit* text_;
  std::optional<fw::LineBuffer> pending_;
};
