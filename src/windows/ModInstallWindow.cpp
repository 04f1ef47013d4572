#include "windows/ModInstallWindow.h"

#include "backup/ModInstall.h"
#include "backup/RecordWriter.h"
#include "common/FileKinds.h"
#include "common/TextDecoding.h"
#include "windows/Dialogs.h"
#include "windows/ElidedLabel.h"
#include "windows/ErrorGuard.h"
#include "windows/FindingText.h"
#include "windows/Text.h"
#include "windows/ViewerWindow.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

using fw::FileKind;
using fw::form::Taken;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

template <class W> W* placed(W* w, QWidget* parent, const char* name, QRect at) {
  w->setParent(parent);
  w->setObjectName(QLatin1String(name));
  w->setGeometry(at);
  return w;
}

// The objectNames of a file's line, choice and verdict, in the order of FileKind.
constexpr std::array<std::array<const char*, 3>, 3> kRowNames = {
    {{"modHandlingLine", "modHandlingChoice", "modHandlingVerdict"},
     {"modVehiclesLine", "modVehiclesChoice", "modVehiclesVerdict"},
     {"modCarcolsLine", "modCarcolsChoice", "modCarcolsVerdict"}}};

QString lineText(const fw::form::ModLine& l) {
  return u("строка %1: %2").arg(l.line).arg(fw::toQString(l.name));
}

// The vehicle and its lines as the last lookup left them: a reading made for other ones is stale.
std::string lookupOf(const fw::MainState& s) {
  std::string key = s.vehicleLabel + '\n' + s.lookedUpLabel + '\n' + s.modelName + '\n' +
                    std::to_string(fw::indexOf(s.category));
  for (FileKind k : fw::kFileKinds) {
    const fw::DataFileState& f = s.file(k);
    key += '\n' + f.lineIndex + (f.writeButton.enabled ? "+" : "-");
    if (f.record.found) key += std::string(f.lines.at(std::stoll(f.lineIndex)));
  }
  return key;
}

} // namespace

ModInstallWindow::ModInstallWindow(fw::MainState& main, fw::Dialogs& dialogs, fw::Services services,
                                   Runner run, QWidget* parent)
    : QWidget(parent, Qt::Window), main_(main), dialogs_(dialogs), services_(std::move(services)),
      run_(std::move(run)) {
  setObjectName(QStringLiteral("ModInstallWindow"));
  setWindowTitle(u("Установка мода"));
  vehicle_ = placed(new QLabel, this, "modVehicle", {8, 8, 500, 21});
  auto* open = placed(new QPushButton(u("Открыть файл…")), this, "openFile", {512, 6, 120, 25});
  text_ = placed(new QPlainTextEdit, this, "modText", {8, 36, 624, 260});
  text_->setPlaceholderText(u("Вставьте сюда текст read-me мода или откройте его файл"));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setTabChangesFocus(true);
  for (FileKind k : fw::kFileKinds) {
    const int y = 304 + 30 * static_cast<int>(fw::indexOf(k));
    const auto& names = kRowNames[fw::indexOf(k)];
    placed(new QLabel(QLatin1String(fw::kindInfo(k).fileName)), this, "", {8, y, 84, 21});
    found_[fw::indexOf(k)] = placed(new QLabel, this, names[0], {96, y, 236, 21});
    choices_[fw::indexOf(k)] = placed(new QComboBox, this, names[1], {96, y, 236, 21});
    choices_[fw::indexOf(k)]->setPlaceholderText(u("выберите строку"));
    verdicts_[fw::indexOf(k)] = placed(new fw::ElidedLabel, this, names[2], {340, y, 292, 21});
    connect(choices_[fw::indexOf(k)], &QComboBox::currentIndexChanged, this,
            [this, k](int i) { chose(k, i); });
  }
  notes_ = placed(new QLabel, this, "modNotes", {8, 394, 624, 44});
  notes_->setWordWrap(true);
  notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  fill_ = placed(new QPushButton(u("Заполнить строки")), this, "fillRows", {380, 446, 124, 25});
  writeAll_ = placed(new QPushButton(u("Записать всё")), this, "writeAll", {508, 446, 124, 25});
  fw::placeWindow(this, {640, 480}, fw::SizeOf::Client, std::nullopt);

  connect(text_, &QPlainTextEdit::textChanged, this, [this] { read(); });
  connect(open, &QPushButton::clicked, this, [this] { openFile(); });
  connect(fill_, &QPushButton::clicked, this, [this] { fillRows(); });
  connect(writeAll_, &QPushButton::clicked, this, [this] { writeAll(); });
  read();
}

void ModInstallWindow::showInFront() {
  read();
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

// Escape closes it, as it closes a dialog: the key that no control of it takes comes here.
void ModInstallWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    close();
  else
    QWidget::keyPressEvent(event);
}

void ModInstallWindow::follow() {
  if (isVisible() && lookupOf(main_) != lookup_) read();
}

void ModInstallWindow::read() {
  lookup_ = lookupOf(main_);
  reading_.reset();
  problem_.clear();
  const QString text = text_->toPlainText();
  if (!text.trimmed().isEmpty()) {
    try {
      reading_ = fw::form::readMod(main_, std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                              static_cast<std::size_t>(text.size())));
    } catch (const fw::Error& e) {
      problem_ = fw::errorText(e.withFullStop());
    }
  }
  render();
}

void ModInstallWindow::render() {
  rendering_ = true;
  vehicle_->setText(u("Машина: ") + fw::toQString(main_.vehicleLabel));
  std::optional<fw::form::ModValues> values;
  if (reading_) values = fw::form::valuesOf(main_, *reading_);
  bool ready = values.has_value(), any = false;
  for (FileKind k : fw::kFileKinds) {
    const std::size_t i = fw::indexOf(k);
    const fw::form::ModFile* f = reading_ ? &(*reading_)[i] : nullptr;
    const bool choice = f && f->why == Taken::Choice;
    choices_[i]->setVisible(choice);
    found_[i]->setVisible(!choice);
    if (choice) {
      QStringList items;
      for (const fw::form::ModLine& l : f->lines)
        items << lineText(l);
      QStringList shown;
      for (int item = 0; item < choices_[i]->count(); ++item)
        shown << choices_[i]->itemText(item);
      if (shown != items) choices_[i]->clear(), choices_[i]->addItems(items);
      choices_[i]->setCurrentIndex(f->taken ? static_cast<int>(*f->taken) : -1);
    }
    QString found;
    if (f && !f->open)
      found = u("у машины нет этой строки");
    else if (f && f->taken && !choice)
      found =
          lineText(f->lines[*f->taken]) + (f->why == Taken::Only ? u(", мод для другой машины") : QString());
    else if (f && !choice)
      found = u("в тексте нет строки");
    found_[i]->setText(found);
    found_[i]->setToolTip(found);
    ready = ready && !(choice && !f->taken);
    fw::ShownVerdict verdict;
    if (f && f->taken) {
      any = true;
      verdict = !f->lines[*f->taken].lacking.empty()
                    ? fw::outsideCodePage()
                    : fw::shownVerdict(fw::checkTyped(main_, k, *values->values[i]));
    }
    fw::showVerdict(verdicts_[i], verdict);
  }
  QStringList notes;
  if (!problem_.isEmpty()) notes << problem_;
  const QString label = fw::toQString(main_.vehicleLabel).trimmed();
  if (values && !values->handlingReplaced.empty())
    notes << u("В строке vehicles.ide столбец handling %1 заменён на %2: строка handling.dat мода встаёт на "
               "место "
               "строки %2.")
                 .arg(fw::toQString(values->handlingReplaced), label);
  if (values && !values->foreignType.empty())
    notes << u("Внимание: в строке vehicles.ide тип %1, а %2 — %3.")
                 .arg(fw::toQString(values->foreignType), label,
                      QLatin1String(fw::form::typeOf(main_.category).data()));
  notes_->setText(notes.join(QLatin1Char(' ')));
  fill_->setEnabled(ready && any);
  writeAll_->setEnabled(ready && any);
  rendering_ = false;
}

// A pack's line picked for one file picks the lines that belong with it in the others still open.
void ModInstallWindow::chose(FileKind k, int index) {
  if (rendering_ || !reading_ || index < 0) return;
  fw::form::ModReading& r = *reading_;
  r[fw::indexOf(k)].taken = static_cast<std::size_t>(index);
  const auto named = fw::form::linesNamed(r, r[fw::indexOf(k)].lines[static_cast<std::size_t>(index)].name);
  for (FileKind other : fw::kFileKinds) {
    fw::form::ModFile& f = r[fw::indexOf(other)];
    if (f.why == Taken::Choice && !f.taken) f.taken = named[fw::indexOf(other)];
  }
  render();
}

void ModInstallWindow::openFile() {
  fw::guarded(dialogs_, this, [this] {
    const auto chosen = dialogs_.openFile(this, openedPath_, u("Текстовые файлы (*.txt);;Все файлы (*)"));
    if (!chosen) return;
    openedPath_ = *chosen;
    const fw::text::Decoded d = fw::text::decode(fw::text::readFile(
        fw::FilePath::chosenByUser(QDir::toNativeSeparators(*chosen).toUtf8().toStdString())));
    text_->setPlainText(QString::fromUtf16(d.text.data(), static_cast<qsizetype>(d.text.size())));
  });
}

// The rows take the values as if typed; their OKs write them. Done, the window gives way to the main
// window, where the rows, or the log of the write, show what happened; it keeps the text for the
// next vehicle of a pack.
void ModInstallWindow::fillRows() {
  if (!reading_) return;
  bool done = false;
  run_(this, [this, &done] {
    const fw::form::ModValues v = fw::form::valuesOf(main_, *reading_);
    fw::planInstall(main_, *reading_, v); // refuses what a row could not take
    for (FileKind k : fw::kFileKinds)
      if (v.values[fw::indexOf(k)]) main_.file(k).input.text = *v.values[fw::indexOf(k)];
    done = true;
  });
  if (done) close();
}

void ModInstallWindow::writeAll() {
  if (!reading_) return;
  bool done = false;
  run_(this, [this, &done] {
    const fw::form::ModValues v = fw::form::valuesOf(main_, *reading_);
    fw::writeAll(main_, fw::planInstall(main_, *reading_, v), false, services_);
    done = true;
  });
  if (done) close();
}
