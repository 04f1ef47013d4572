// A label of fixed size that shows as much of its plain text as its width holds, ending in "…",
// and shortens it again whenever its width or its font changes (a setting, a screen of another DPI).
#pragma once

#include <QLabel>

namespace fw {

class ElidedLabel : public QLabel {
  Q_OBJECT

public:
  explicit ElidedLabel(QWidget* parent = nullptr);
  void setFullText(const QString& text);

protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void elide();
  QString full_;
};

} // namespace fw
