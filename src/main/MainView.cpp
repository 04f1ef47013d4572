#include "main/MainView.h"

#include "backup/RecordWriter.h"
#include "common/FileKinds.h"
#include "main/MainLayout.h"
#include "windows/ElidedLabel.h"
#include "windows/FindingText.h"
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

template <class W> W* find(const QHash<QString, QWidget*>& widgets, const char* name) {
  auto* w = qobject_cast<W*>(widgets.value(QString::fromLatin1(name)));
  if (!w) throw std::logic_error(std::string("main window without control ") + name);
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
  namespace names = layout::names;
  for (Category c : kCategories) {
    radios_[indexOf(c)] = find<QRadioButton>(w, names::categoryRadio[indexOf(c)]);
    auto* list = find<QComboBox>(w, names::vehicleList[indexOf(c)]);
    combos_.push_back({list, &s.vehicleList(c)});
    buttons_.push_back({find<QPushButton>(w, names::lookupButton[indexOf(c)]), &s.lookupButtons[indexOf(c)]});
  }
  for (FileKind k : kFileKinds) {
    DataFileState& f = s.file(k);
    const std::size_t i = indexOf(k);
    combos_.push_back({find<QComboBox>(w, names::backupNames[i]), &f.backupNames});
    buttons_.push_back({find<QPushButton>(w, names::writeButton[i]), &f.writeButton});
    buttons_.push_back({find<QPushButton>(w, names::restoreButton[i]), &f.restoreButton});
    inputs_.push_back({find<QLineEdit>(w, names::input[i]), &f.input});
    labels_.push_back({find<QLabel>(w, names::hint[i]), &f.hint});
    verdicts_[i] = find<ElidedLabel>(w, names::verdict[i]);
    verdicts_[i]->setAccessibleName(QString::fromUtf8("Проверка строки ") +
                                    QLatin1String(kindInfo(k).fileName));
  }
  for (const Combo& c : combos_)
    texts_.push_back({c.box->objectName(), bindText(c.box, c.state->text)});
  for (const Input& in : inputs_)
    texts_.push_back({in.edit->objectName(), bindText(in.edit, in.state->text)});
  for (FileKind k : kFileKinds)
    texts_.push_back({QString::fromLatin1(names::datedList[indexOf(k)]),
                      bindLines(find<QPlainTextEdit>(w, names::datedList[indexOf(k)]), s.file(k).datedList)});
  labels_.push_back({find<QLabel>(w, names::vehicleLabel), &s.vehicleLabel});
  labels_.push_back({find<QLabel>(w, names::carcolsRemark), &s.carcolsRemark});
  log_ = find<QPlainTextEdit>(w, names::log);
  pages_ = find<QTabWidget>(w, names::restorePages);
}

QStringList MainView::capture() {
  QStringList refused;
  for (Text& t : texts_) {
    if (auto text = t.binding.edited()) {
      if (fromQString(*text))
        t.binding.store(*text);
      else
        refused << t.name;
    }
  }
  s_.restorePage = pages_->currentIndex();
  return refused;
}

void MainView::render() {
  rendering_ = true;
  // Radio buttons of one group uncheck each other: only the checked one is set.
  if (QRadioButton* radio = radios_[indexOf(s_.category)]; !radio->isChecked()) {
    QSignalBlocker quiet(radio);
    radio->setChecked(true);
  }
  for (std::size_t i = 0; i < combos_.size(); ++i)
    renderCombo(combos_[i], texts_[i].binding);
  for (Button& b : buttons_) {
    if (b.button->isEnabled() != b.state->enabled) b.button->setEnabled(b.state->enabled);
    if (b.button->isHidden() == b.state->visible) b.button->setVisible(b.state->visible);
  }
  for (Input& in : inputs_)
    if (in.edit->isEnabled() != in.state->enabled) in.edit->setEnabled(in.state->enabled);
  for (std::size_t i = combos_.size(); i < texts_.size(); ++i)
    texts_[i].binding.render();
  for (FileKind k : kFileKinds)
    renderVerdict(k);
  for (Label& l : labels_) {
    QString wanted = toQString(*l.text);
    if (l.label->text() != wanted) {
      l.label->setText(wanted);
      l.label->adjustSize();
    }
  }
  renderLog();
  if (pages_->currentIndex() != s_.restorePage) {
    QSignalBlocker quiet(pages_);
    pages_->setCurrentIndex(s_.restorePage);
  }
  rendering_ = false;
}

void MainView::renderCombo(const Combo& c, TextBinding& text) {
  if (c.box->isHidden() == c.state->visible) c.box->setVisible(c.state->visible);
  if (sameItems(c.box, c.state->items)) {
    text.render();
    return;
  }
  {
    QSignalBlocker quiet(c.box);
    c.box->clear();
    for (const std::string& item : c.state->items)
      c.box->addItem(toQString(item));
  }
  text.renderAlways();
}

// Advice on the line the row's OK would write, in words and a colour; a screen reader finds the
// words in the label's and the input field's description.
void MainView::renderVerdict(FileKind k) {
  QLineEdit* edit = inputs_[indexOf(k)].edit;
  const InputState& input = s_.file(k).input;
  ShownVerdict verdict;
  if (input.enabled && !edit->text().isEmpty())
    verdict = !fromQString(edit->text()) // the state holds what came before it
                  ? outsideCodePage()
                  : shownVerdict(checkTyped(s_, k, input.text));
  ElidedLabel* label = verdicts_[indexOf(k)];
  if (label->accessibleDescription() == verdict.text) return;
  showVerdict(label, verdict);
  edit->setAccessibleDescription(verdict.text);
}

void MainView::renderLog() {
  const auto now = s_.log.views();
  const auto shown = shownLog_.views();
  if (s_.log == shownLog_) return;
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
    log_->setPlainText(joinLines(s_.log));
  }
  log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
  shownLog_ = s_.log;
}

} // namespace fw
