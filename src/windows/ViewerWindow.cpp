#include "windows/ViewerWindow.h"

#include "common/FileKinds.h"
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

namespace {

struct Design {
  const char* name; // the window's objectName
  QSize outer;
  std::optional<QPoint> topLeft; // nothing: centred on the screen
};

const Design& designOf(fw::FileKind k) {
  static const Design designs[] = {{"Form2", {947, 598}, std::nullopt},
                                   {"Form3", {1142, 656}, QPoint(348, 249)},
                                   {"Form4", {1142, 656}, QPoint(308, 317)}};
  return designs[fw::indexOf(k)];
}

} // namespace

ViewerWindow::ViewerWindow(fw::FileKind kind, QWidget* parent)
    : QWidget(parent, Qt::Window), text_(new QPlainTextEdit(this)) {
  const Design& design = designOf(kind);
  setObjectName(QLatin1String(design.name));
  setWindowTitle(QLatin1String(fw::kindInfo(kind).fileName));
  text_->setObjectName(QStringLiteral("Memo1"));
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  fw::placeWindow(this, design.outer, fw::SizeOf::Frame, design.topLeft);
  loadLines(fw::loadLines(fw::FilePath::relative(fw::kindInfo(kind).relativeFile)));
}

void ViewerWindow::loadLines(const fw::LineBuffer& lines) {
  pending_ = lines; // a copy shares the lines' bytes
  if (isVisible()) showPendingLines();
}

void ViewerWindow::showEvent(QShowEvent* event) {
  showPendingLines();
  QWidget::showEvent(event);
}

void ViewerWindow::showPendingLines() {
  if (!pending_) return;
  text_->setPlainText(fw::joinLines(*pending_));
  pending_.reset();
}

QString ViewerWindow::text() const { return text_->toPlainText(); }

void ViewerWindow::showInFront() {
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}
