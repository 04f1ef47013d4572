// The binding between the main window's widgets and MainState: the user's edits go into the state
// before a handler runs, and the state is shown again after it, widget by widget where it differs.
#pragma once

#include "common/MainState.h"
#include "main/TextBinding.h"

#include <QHash>
#include <QString>
#include <QStringList>

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

class ElidedLabel;

class MainView {
public:
  // `widgets` holds the controls of the window by name (layout::build).
  MainView(const QHash<QString, QWidget*>& widgets, MainState& state);

  // Copies the user's edits into the state. An edit that Windows-1251 cannot hold stays in its
  // widget only; the answer names those widgets.
  QStringList capture();
  void render();
  // True while render() runs: signals that widgets raise then are the view's own doing.
  bool rendering() const { return rendering_; }

private:
  struct Combo {
    QComboBox* box;
    ComboState* state;
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
  struct Text {
    QString name;
    TextBinding binding;
  };

  void renderCombo(const Combo& c, TextBinding& text);
  void renderLog();
  void renderVerdict(FileKind k);

  MainState& s_;
  bool rendering_ = false;
  std::array<QRadioButton*, 4> radios_{};
  std::vector<Combo> combos_; // their texts are the first of texts_
  std::vector<Button> buttons_;
  std::vector<Input> inputs_;
  std::vector<Label> labels_;
  std::array<ElidedLabel*, 3> verdicts_{};
  std::vector<Text> texts_; // the seven lists' texts, the three inputs, the three dated lists
  QPlainTextEdit* log_ = nullptr;
  LineBuffer shownLog_;
  QTabWidget* pages_ = nullptr;
};

} // namespace fw
