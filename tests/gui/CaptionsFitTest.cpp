// Every caption of every window fits inside its control in the font the program uses, whatever
// fonts the machine has: a wider font clips button captions and runs radio captions together.
#include "WindowTest.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTabWidget>

namespace {

// The width a control's caption needs and the width the control gives it; {0, 0} where it has none.
std::pair<int, int> captionWidths(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
    // The style draws the caption unclipped in the button's contents: centred, or beside the radio's dot.
    auto* push = qobject_cast<QPushButton*>(b);
    QStyleOptionButton option;
    option.initFrom(b);
    option.features =
        push && push->autoDefault() ? QStyleOptionButton::AutoDefaultButton : QStyleOptionButton::None;
    const auto element = push ? QStyle::SE_PushButtonContents : QStyle::SE_RadioButtonContents;
    return {b->fontMetrics().horizontalAdvance(b->text()),
            b->style()->subElementRect(element, &option, b).width()};
  }
  if (auto* g = qobject_cast<QGroupBox*>(w)) return {g->minimumSizeHint().width(), g->width()};
  if (auto* t = qobject_cast<QTabWidget*>(w)) return {t->tabBar()->sizeHint().width(), t->width()};
  if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) // sized to its text, within its parent
    return {l->x() + l->sizeHint().width(), qMin(l->x() + l->width(), l->parentWidget()->width())};
  return {0, 0};
}

using CaptionsFit = fw::test::WindowTest;

TEST_F(CaptionsFit, everyCaptionFitsItsControlInEveryWindow) {
  EXPECT_EQ(QFontDatabase::applicationFontFamilies(0), QStringList{QStringLiteral("Liberation Sans")})
      << "the program's own font, whatever the machine has";
  start();
  click("Button1"); // a lookup fills the hints and the vehicle's red label
  for (QWidget* window : QApplication::topLevelWidgets()) {
    window->ensurePolished();
    for (QWidget* w : window->findChildren<QWidget*>()) {
      const auto [needs, has] = captionWidths(w);
      EXPECT_LE(needs, has) << window->objectName().toStdString() << " " << w->objectName().toStdString();
    }
  }
}

} // namespace
