// The main window's design: every control with its container, place, size and caption, in one table,
// and the fonts of the program.
#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <span>

class QWidget;

namespace fw::layout {

enum class Kind {
  GroupBox,
  RadioButton,
  ComboBox, // drop-down list with editable text
  Button,
  Label,    // sized to its text
  RedLabel, // as Label, 10-point bold red
  Edit,     // single-line text
  Log,      // read-only multi-line text, black background, lime text
  Memo,     // editable multi-line text
  PageControl,
  Page, // a page of the PageControl named as its parent; the caption is the tab's
};

struct Control {
  const char* name;
  Kind kind;
  const char* parent;  // nullptr: the window's client area
  int x, y, w, h;      // w and h are 0 where the control sizes itself to its text
  const char* caption; // UTF-8; nullptr where the control has no caption of its own
};

// Parents come before their children.
std::span<const Control> controls();

// The program's 8-point sans-serif font, and the labels' 10-point bold one.
QFont programFont();
QFont redLabelFont();

// Creates every control of the table inside `client` (the window's client area) and returns them by
// name. Texts, enabled and visible states that the working state governs are left for the view.
QHash<QString, QWidget*> build(QWidget* client);

} // namespace fw::layout
