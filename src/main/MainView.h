// The binding between the main window's widgets and MainState: the user's edits go into the state
// before a handler runs, and the state is shown again after it, widget by widget where it differs.
#pragma once

#include "common/MainState.h"
#include "main/TextBinding.h"

#include <QHash>
#include <QString>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace fw {

class MainView {
public:
  // `widgets` holds the controls of the window by name (layout::build).
  MainView(const QHash<QString, QWidget*>& widgets, MainState& state);

  // Copies the user's edits into the state. When one of them cannot be written in Windows-1251
  // nothing is copied and the answer is false.
  bool capture();
  void render();
  // True while render() runs: signals that widgets raise then are the view's own doing.
  bool rendering() const { return rendering_; }

private:
  struct Combo {
    QComboBox* box;
    ComboState* state;
    TextBinding text;
  };
  struct Button {
    QPushButton* button;
    ButtonState* state;
  };
  struct Input {
    QLineEdit* edit;
    InputState* state;
  };
  struct Label {
    QLabel* label;
    std::string* text;
  };

  void renderCombo(Combo& c);
  void renderLog();

  MainState& s_;
  bool rendering_ = false;
  std::array<QRadioButton*, 4> radios_{};
  std::vector<Combo> combos_;
  std::vector<Button> buttons_;
  std::vector<Input> inputs_;
  std::vector<Label> labels_;
  std::vector<TextBinding> texts_; // Edit2..Edit4, Memo6..Memo8
  QPlainTextEdit* log_ = nullptr;
  LineBuffer shownLog_;
  QTabWidget* pages_ = nullptr;
};

} // namespace fw
