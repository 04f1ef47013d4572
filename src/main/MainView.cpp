#include "main/MainView.h"

#include "windows/Text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <stdexcept>

namespace fw {
namespace {

// The control named by its kind and running number, as the design names them.
template <class W> W* find(const QHash<QString, QWidget*>& widgets, const char* kind, std::size_t number) {
  const QString name = QString::fromLatin1(kind) + QString::number(number);
  auto* w = qobject_cast<W*>(widgets.value(name));
  if (!w) throw std::logic_error("main window without control " + name.toStdString());
  return w;
}

TextBinding bindText(QLineEdit* edit, std::string& field) {
  return TextBinding([edit] { return edit->text(); },
                     [edit](const QString& text) {
                       QSignalBlocker quiet(edit);
                       edit->setText(text);
                     },
                     [&field] { return toQString(field); },
                     [&field](const QString& text) { field = bytesOf(text); });
}

TextBinding bindText(QComboBox* box, std::string& field) {
  return TextBinding([box] { return box->currentText(); },
                     [box](const QString& text) {
                       QSignalBlocker quiet(box);
                       box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
                       box->setEditText(text);
                     },
                     [&field] { return toQString(field); },
                     [&field](const QString& text) { field = bytesOf(text); });
}

TextBinding bindLines(QPlainTextEdit* memo, LineBuffer& lines) {
  return TextBinding(
      [memo] {
        // The raw text keeps no-break spaces (0xA0 of the code page), which toPlainText() turns
        // into blanks; only the paragraph and line separators stand for line ends.
        QString text = memo->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        return text;
      },
      [memo](const QString& text) {
        QSignalBlocker quiet(memo);
        memo->setPlainText(text);
      },
      [&lines] { return joinLines(lines); }, [&lines](const QString& text) { lines = splitLines(text); });
}

bool sameItems(const QComboBox* box, const std::vector<std::string>& items) {
  if (box->count() != static_cast<int>(items.size())) return false;
  for (int i = 0; i < box->count(); ++i)
    if (box->itemText(i) != toQString(items[static_cast<std::size_t>(i)])) return false;
  return true;
}

} // namespace

MainView::MainView(const QHash<QString, QWidget*>& w, MainState& s) : s_(s) {
  for (std::size_t i = 0; i < radios_.size(); ++i)
    radios_[i] = find<QRadioButton>(w, "RadioButton", i + 1);

  ComboState* const combos[] = {&s.ComboBox1, &s.ComboBox2, &s.ComboBox3, &s.ComboBox4,
                                &s.ComboBox5, &s.ComboBox6, &s.ComboBox7};
  for (std::size_t i = 0; i < std::size(combos); ++i) {
    auto* box = find<QComboBox>(w, "ComboBox", i + 1);
    combos_.push_back({box, combos[i], bindText(box, combos[i]->Text)});
  }

  const std::pair<std::size_t, ButtonState*> buttons[] = {
      {1, &s.Button1}, {2, &s.Button2}, {3, &s.Button3},   {4, &s.Button4},   {5, &s.Button5},
      {6, &s.Button6}, {7, &s.Button7}, {12, &s.Button12}, {13, &s.Button13}, {14, &s.Button14}};
  for (auto [number, state] : buttons)
    buttons_.push_back({find<QPushButton>(w, "Button", number), state});

  InputState* const inputs[] = {&s.Edit2, &s.Edit3, &s.Edit4};
  for (std::size_t i = 0; i < std::size(inputs); ++i) {
    auto* edit = find<QLineEdit>(w, "Edit", i + 2);
    inputs_.push_back({edit, inputs[i]});
    texts_.push_back(bindText(edit, inputs[i]->Text));
  }

  LineBuffer* const memos[] = {&s.Memo6, &s.Memo7, &s.Memo8};
  for (std::size_t i = 0; i < std::size(memos); ++i)
    texts_.push_back(bindLines(find<QPlainTextEdit>(w, "Memo", i + 6), *memos[i]));

  std::string* const labels[] = {&s.Label1, &s.Label2, &s.Label3, &s.Label4, &s.Label5};
  for (std::size_t i = 0; i < std::size(labels); ++i)
    labels_.push_back({find<QLabel>(w, "Label", i + 1), labels[i]});

  log_ = find<QPlainTextEdit>(w, "Memo", 4);
  pages_ = find<QTabWidget>(w, "PageControl", 1);
}

bool MainView::capture() {
  std::vector<std::pair<TextBinding*, QString>> edits;
  auto collect = [&edits](TextBinding& binding) {
    if (auto text = binding.edited()) edits.emplace_back(&binding, *text);
  };
  for (Combo& c : combos_)
    collect(c.text);
  for (TextBinding& t : texts_)
    collect(t);
  for (const auto& [binding, text] : edits)
    if (!fromQString(text)) return false;
  for (const auto& [binding, text] : edits)
    binding->store(text);
  s_.PageControl1 = pages_->currentIndex();
  return true;
}

void MainView::render() {
  rendering_ = true;
  for (std::size_t i = 0; i < radios_.size(); ++i) {
    // Radio buttons of one group uncheck each other: only the checked one is set.
    if (s_.checked(kCategories[i]) && !radios_[i]->isChecked()) {
      QSignalBlocker quiet(radios_[i]);
      radios_[i]->setChecked(true);
    }
  }
  for (Combo& c : combos_)
    renderCombo(c);
  for (Button& b : buttons_) {
    if (b.button->isEnabled() != b.state->Enabled) b.button->setEnabled(b.state->Enabled);
    if (b.button->isHidden() == b.state->Visible) b.button->setVisible(b.state->Visible);
  }
  for (Input& in : inputs_)
    if (in.edit->isEnabled() != in.state->Enabled) in.edit->setEnabled(in.state->Enabled);
  for (TextBinding& t : texts_)
    t.render();
  for (Label& l : labels_) {
    QString wanted = toQString(*l.text);
    if (l.label->text() != wanted) {
      l.label->setText(wanted);
      l.label->adjustSize();
    }
  }
  renderLog();
  if (pages_->currentIndex() != s_.PageControl1) {
    QSignalBlocker quiet(pages_);
    pages_->setCurrentIndex(s_.PageControl1);
  }
  rendering_ = false;
}

void MainView::renderCombo(Combo& c) {
  if (c.box->isHidden() == c.state->Visible) c.box->setVisible(c.state->Visible);
  if (sameItems(c.box, c.state->Items)) {
    c.text.render();
    return;
  }
  {
    QSignalBlocker quiet(c.box);
    c.box->clear();
    for (const std::string& item : c.state->Items)
      c.box->addItem(toQString(item));
  }
  c.text.renderAlways();
}

void MainView::renderLog() {
  const auto now = s_.Memo4.views();
  const auto shown = shownLog_.views();
  if (s_.Memo4 == shownLog_) return;
  // The log only grows: new lines are appended so that the view stays at its end.
  bool grown =
      !shown.empty() && now.size() > shown.size() && std::equal(shown.begin(), shown.end(), now.begin());
  if (grown) {
    // appendPlainText() would fill an empty first line instead of adding one after it.
    QTextCursor end(log_->document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    for (std::size_t i = shown.size(); i < now.size(); ++i) {
      end.insertBlock();
      end.insertText(toQString(now[i]));
    }
    end.endEditBlock();
  } else {
    log_->setPlainText(joinLines(s_.Memo4));
  }
  log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
  shownLog_ = s_.Memo4;
}

} // namespace fw
