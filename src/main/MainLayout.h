// The main window's design: every control with its container, place, size and caption, in one table,
// and the fonts of the program.
#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include <array>
#include <span>

class QWidget;

namespace fw::layout {

// The design's names of the controls that stand for a category or a data file, in the order of
// Category and FileKind: the objectNames the view binds and tests find the widgets by.
namespace names {
inline constexpr std::array<const char*, 4> categoryRadio = {"RadioButton1", "RadioButton2", "RadioButton3",
                                                             "RadioButton4"};
inline constexpr std::array<const char*, 4> vehicleList = {"ComboBox1", "ComboBox2", "ComboBox3",
                                                           "ComboBox4"};
inline constexpr std::array<const char*, 4> lookupButton = {"Button1", "Button2", "Button3", "Button4"};
inline constexpr std::array<const char*, 3> input = {"Edit2", "Edit3", "Edit4"};
inline constexpr std::array<const char*, 3> writeButton = {"Button5", "Button6", "Button7"};
inline constexpr std::array<const char*, 3> hint = {"Label2", "Label3", "Label4"};
// The program's own: each input row's verdict on the line it would write.
inline constexpr std::array<const char*, 3> verdict = {"handlingVerdict", "vehiclesVerdict",
                                                       "carcolsVerdict"};
inline constexpr std::array<const char*, 3> backupNames = {"ComboBox5", "ComboBox6", "ComboBox7"};
inline constexpr std::array<const char*, 3> restoreButton = {"Button12", "Button13", "Button14"};
inline constexpr std::array<const char*, 3> datedList = {"Memo6", "Memo7", "Memo8"};
inline constexpr const char* vehicleLabel = "Label1";
inline constexpr const char* carcolsRemark = "Label5";
inline constexpr const char* log = "Memo4";
inline constexpr const char* restorePages = "PageControl1";
inline constexpr const char* archiveEditorButton = "Button8";
inline constexpr const char* gameButton = "Button9";
} // namespace names

enum class Kind {
  GroupBox,
  RadioButton,
  ComboBox, // drop-down list with editable text
  Button,
  Label,    // sized to its text
  RedLabel, // as Label, 10-point bold red
  Verdict,  // a label of fixed size, its text at the right
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
  const char* caption; // UTF-8; nullptr where the control has none or the working state gives its text
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
