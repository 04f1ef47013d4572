#include "windows/ElidedLabel.h"

#include <QEvent>

namespace fw {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText); // a verdict quotes what was typed, which may look like markup
}

void ElidedLabel::setFullText(const QString& text) {
  full_ = text;
  elide();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  elide();
}

void ElidedLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) elide();
}

void ElidedLabel::elide() { setText(fontMetrics().elidedText(full_, Qt::ElideRight, width())); }

} // namespace fw
