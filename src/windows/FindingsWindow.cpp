#include "windows/FindingsWindow.h"

#include "windows/ViewerWindow.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

FindingsWindow::FindingsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("FindingsWindow"));
  setWindowTitle(QString::fromUtf8("Проверка файлов игры"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  fw::placeWindow(this, {760, 420}, fw::SizeOf::Frame, std::nullopt);
}

void FindingsWindow::showText(const QString& text) {
  text_->setPlainText(text);
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

QString FindingsWindow::text() const { return text_->toPlainText(); }
