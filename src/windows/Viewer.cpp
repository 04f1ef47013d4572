#include "windows/Viewer.h"

#include "common/Files.h"
#include "windows/Text.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace fw {

namespace {

QPoint centredOnScreen(QSize outer) {
  // The whole screen, as the program's design centres its windows (not the work area).
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {screen.x() + (screen.width() - outer.width()) / 2,
          screen.y() + (screen.height() - outer.height()) / 2};
}

// Waits for the first showing of a window, when its frame is usually known (on Windows; an X11
// window manager may report it only later, and then the frame adds to the size), and corrects the
// geometry for it.
class FrameFitter : public QObject {
public:
  FrameFitter(QWidget* window, QSize size, SizeOf sizeOf, bool centred)
      : QObject(window), size_(size), sizeOf_(sizeOf), centred_(centred) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    auto* window = static_cast<QWidget*>(watched);
    QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    if (!frame.isNull()) {
      if (sizeOf_ == SizeOf::Frame)
        window->resize(size_.shrunkBy(frame));
      else if (centred_)
        window->move(centredOnScreen(size_.grownBy(frame)));
    }
    // Once only: a later showing keeps whatever the user made of the window.
    window->removeEventFilter(this);
    deleteLater();
    return false;
  }

private:
  QSize size_;
  SizeOf sizeOf_;
  bool centred_;
};

} // namespace

void placeWindow(QWidget* window, QSize size, SizeOf sizeOf, std::optional<QPoint> topLeft) {
  window->resize(size);
  window->move(topLeft ? *topLeft : centredOnScreen(size)); // a top-level window's position is its frame's
  window->installEventFilter(new FrameFitter(window, size, sizeOf, !topLeft));
}

} // namespace fw

TViewerForm::TViewerForm(const Design& design, const fw::LineBuffer& lines, QWidget* parent)
    : QWidget(parent, Qt::Window), Memo1(new QPlainTextEdit(this)) {
  setObjectName(QLatin1String(design.name));
  setWindowTitle(QLatin1String(design.caption));
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont small = Memo1->font();
  small.setPointSize(8);
  Memo1->setFont(small);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Memo1);
  fw::placeWindow(this, design.outer, fw::SizeOf::Frame, design.topLeft);
  loadLines(lines);
}

void TViewerForm::loadLines(const fw::LineBuffer& lines) {
  pending_ = lines; // a copy shares the lines' bytes
  if (isVisible()) showPendingLines();
}

void TViewerForm::showEvent(QShowEvent* event) {
  showPendingLines();
  QWidget::showEvent(event);
}

void TViewerForm::showPendingLines() {
  if (!pending_) return;
  Memo1->setPlainText(fw::joinLines(*pending_));
  pending_.reset();
}

void TViewerForm::showInFront() {
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

namespace {

fw::LineBuffer dataFile(const char* literal) { return fw::loadLines(fw::FilePath::relative(literal)); }

} // namespace

TForm2::TForm2(QWidget* parent)
    : TViewerForm({"Form2", "handling.dat", {947, 598}, std::nullopt}, dataFile("common//data//handling.dat"),
                  parent) {}

TForm3::TForm3(QWidget* parent)
    : TViewerForm({"Form3", "vehicles.ide", {1142, 656}, QPoint(348, 249)},
                  dataFile("common//data//vehicles.ide"), parent) {}

TForm4::TForm4(QWidget* parent)
    : TViewerForm({"Form4", "carcols.dat", {1142, 656}, QPoint(308, 317)},
                  dataFile("common//data//carcols.dat"), parent) {}
