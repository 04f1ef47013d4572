#include "windows/ChangesWindow.h"

#include "common/FileKinds.h"
#include "windows/Text.h"
#include "windows/ViewerWindow.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using fw::stock::FieldChange;
using fw::stock::LineChange;
using fw::stock::Span;

QString categoryName(fw::Category c) {
  switch (c) {
  case fw::Category::Bike: return QString::fromUtf8("Байк");
  case fw::Category::Boat: return QString::fromUtf8("Лодка");
  case fw::Category::Helicopter: return QString::fromUtf8("Авиа");
  case fw::Category::Car: break;
  }
  return QString::fromUtf8("Авто");
}

QString fileName(fw::FileKind k) { return QString::fromLatin1(fw::kindInfo(k).fileName); }

QString label(const std::string& text) { return fw::toQString(text).trimmed(); }

QString labels(const std::vector<std::string>& texts) {
  QStringList all;
  for (const std::string& text : texts)
    all << label(text);
  return all.join(QStringLiteral(", "));
}

// The line with the values at the spans underlined in bold: marked without relying on colour.
QString marked(std::string_view line, std::vector<Span> spans) {
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.at < b.at; });
  QString html;
  std::size_t at = 0;
  for (const Span& s : spans) {
    html += fw::toQString(line.substr(at, s.at - at)).toHtmlEscaped();
    html += QStringLiteral("<b><u>") + fw::toQString(line.substr(s.at, s.size)).toHtmlEscaped() +
            QStringLiteral("</u></b>");
    at = s.at + s.size;
  }
  return html + fw::toQString(line.substr(std::min(at, line.size()))).toHtmlEscaped();
}

QString value(std::string_view line, Span span) {
  return span.present() ? fw::toQString(fw::stock::valueAt(line, span)) : QString::fromUtf8("(нет)");
}

QString described(const LineChange& l) {
  QString head = QStringLiteral("<b>") + fileName(l.kind) + QStringLiteral("</b>");
  if (l.state == fw::stock::LineState::Missing) {
    head += QString::fromUtf8(" — нет строки");
    if (l.marker)
      head += QString::fromUtf8(": в %1 нет строки «%2», которой кончается часть, где ищется строка")
                  .arg(fileName(l.markerFile), QString::fromLatin1(l.marker).toHtmlEscaped());
    return head + QString::fromUtf8("<pre>оригинал: %1</pre>").arg(marked(l.stock, {}));
  }
  head += QString::fromUtf8(", строка %1 — изменена").arg(l.index + 1);
  if (!l.lineOf.empty())
    head += QString::fromUtf8("; это строка %1, которую использует модель этой машины").arg(label(l.lineOf));
  if (!l.sharedWith.empty()) head += QString::fromUtf8("; её используют также %1").arg(labels(l.sharedWith));
  std::vector<Span> now, then;
  QStringList values;
  for (const FieldChange& f : l.fields) {
    if (f.current.present()) now.push_back(f.current);
    if (f.stock.present()) then.push_back(f.stock);
    const QString name =
        f.name.empty() ? QString::fromUtf8("значение %1").arg(f.position + 1) : QString::fromLatin1(f.name);
    values << (name + QLatin1Char(' ') + value(l.stock, f.stock) + QString::fromUtf8(" → ") +
               value(l.current, f.current))
                  .toHtmlEscaped();
  }
  return head +
         QString::fromUtf8("<pre>сейчас:   %1\nоригинал: %2</pre>")
             .arg(marked(l.current, now), marked(l.stock, then)) +
         QString::fromUtf8("Отличаются: ") + values.join(QStringLiteral("; "));
}

} // namespace

ChangesWindow::ChangesWindow(Reset reset, QWidget* parent)
    : QWidget(parent, Qt::Window), resetVehicle_(std::move(reset)), summary_(new QLabel(this)),
      list_(new QTreeWidget(this)), lines_(new QTextEdit(this)),
      reset_(new QPushButton(QString::fromUtf8("Вернуть оригинал"), this)) {
  setObjectName(QStringLiteral("ChangesWindow"));
  setWindowTitle(QString::fromUtf8("Изменения относительно оригинала"));
  summary_->setObjectName(QStringLiteral("summary"));
  list_->setObjectName(QStringLiteral("changesList"));
  list_->setHeaderLabels({QString::fromUtf8("Категория"), QString::fromUtf8("Машина"),
                          QString::fromUtf8("Изменены"), QString::fromUtf8("Нет строки")});
  list_->setRootIsDecorated(false);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  lines_->setObjectName(QStringLiteral("stockLines"));
  lines_->setReadOnly(true);
  lines_->setLineWrapMode(QTextEdit::NoWrap);
  lines_->document()->setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  reset_->setObjectName(QStringLiteral("resetButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(list_, 2);
  layout->addWidget(lines_, 3);
  layout->addWidget(reset_, 0, Qt::AlignRight);
  connect(list_, &QTreeWidget::currentItemChanged, this, [this] { showSelected(); });
  connect(reset_, &QPushButton::clicked, this, [this] {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    // The callback shows the list again: what it resets is copied first.
    if (row >= 0)
      resetVehicle_(changes_[static_cast<std::size_t>(row)].category,
                    std::string(changes_[static_cast<std::size_t>(row)].label));
  });
  fw::placeWindow(this, {900, 560}, fw::SizeOf::Frame, std::nullopt);
  showSelected();
}

void ChangesWindow::showInFront() {
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void ChangesWindow::follow(const std::array<fw::LineBuffer, 3>& files) {
  if (comparedAny_ && files == compared_) return;
  changes_ = fw::stock::changesAgainstStock(files);
  compared_ = files;
  comparedAny_ = true;
  showList();
}

void ChangesWindow::showFailure(const QString& text) {
  changes_.clear();
  comparedAny_ = false;
  showList();
  summary_->setText(text);
}

void ChangesWindow::showList() {
  const QTreeWidgetItem* selected = list_->currentItem();
  const QString was = selected ? selected->text(0) + QLatin1Char('|') + selected->text(1) : QString();
  list_->clear();
  QTreeWidgetItem* keep = nullptr;
  for (const fw::stock::VehicleChanges& v : changes_) {
    QStringList changed, missing;
    for (const LineChange& l : v.lines)
      (l.state == fw::stock::LineState::Missing ? missing : changed) << fileName(l.kind);
    auto* item =
        new QTreeWidgetItem(list_, {categoryName(v.category), label(v.label),
                                    changed.join(QStringLiteral(", ")), missing.join(QStringLiteral(", "))});
    if (item->text(0) + QLatin1Char('|') + item->text(1) == was) keep = item;
  }
  summary_->setText(changes_.empty()
                        ? QString::fromUtf8("Все машины как в оригинале.")
                        : QString::fromUtf8("Отличаются от оригинала машин: %1.").arg(changes_.size()));
  list_->setCurrentItem(keep ? keep : list_->topLevelItem(0));
  showSelected();
}

void ChangesWindow::showSelected() {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  QStringList parts;
  bool own = false;
  if (row >= 0)
    for (const LineChange& l : changes_[static_cast<std::size_t>(row)].lines) {
      parts << described(l);
      own = own || l.lineOf.empty();
    }
  lines_->setHtml(parts.join(QStringLiteral("<br><br>")));
  reset_->setEnabled(own);
}
