#include "main/TextBinding.h"

#include <utility>

namespace fw {

TextBinding::TextBinding(Read widgetText, Write showInWidget, Read stateText, Write storeInState)
    : widgetText_(std::move(widgetText)), showInWidget_(std::move(showInWidget)),
      stateText_(std::move(stateText)), storeInState_(std::move(storeInState)) {}

std::optional<QString> TextBinding::edited() const {
  QString now = widgetText_();
  if (now == shown_) return std::nullopt;
  return now;
}

void TextBinding::store(const QString& text) {
  storeInState_(text);
  // The widget already shows what the state now holds: nothing to render, so the cursor stays.
  source_ = stateText_();
  shown_ = text;
}

void TextBinding::render() {
  QString wanted = stateText_();
  if (rendered_ && wanted == source_) return;
  show(std::move(wanted));
}

void TextBinding::renderAlways() { show(stateText_()); }

void TextBinding::show(QString text) {
  showInWidget_(text);
  source_ = std::move(text);
  shown_ = widgetText_();
  rendered_ = true;
}

} // namespace fw
