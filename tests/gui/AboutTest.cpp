// The about box: a modal window of labels that only its title bar closes.
#include "ModalDriver.h"
#include "WindowTest.h"
#include "windows/Unit6.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace {

class About : public fw::test::WindowTest {};

TEST_F(About, isAFixedCentredBoxOfTheGivenClientSize) {
  TForm6 form;
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("О программе"));
  EXPECT_EQ(form.size(), QSize(400, 191));
  EXPECT_EQ(form.minimumSize(), QSize(400, 191));
  EXPECT_EQ(form.maximumSize(), QSize(400, 191));
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::MSWindowsFixedSizeDialogHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                        Qt::WindowContextHelpButtonHint));
  EXPECT_TRUE(form.findChildren<QAbstractButton*>().isEmpty()) << "the box has no buttons";

  form.show();
  // Offscreen windows have a thin frame too: it is the frame that is centred.
  EXPECT_EQ(form.size(), QSize(400, 191));
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  QRect frame = form.frameGeometry();
  EXPECT_GT(frame.width(), 400);
  EXPECT_EQ(frame.topLeft(), QPoint(screen.x() + (screen.width() - frame.width()) / 2,
                                    screen.y() + (screen.height() - frame.height()) / 2));
  form.close();
}

TEST_F(About, holdsTheLabelsAtTheirPlaces) {
  TForm6 form;
  const struct {
    const char* name;
    QLabel* label;
    QPoint at;
  } labels[] = {
      {"Label1", form.Label1, {8, 8}},     {"Label2", form.Label2, {8, 32}},
      {"Label3", form.Label3, {8, 48}},    {"Label4", form.Label4, {8, 64}},
      {"Label5", form.Label5, {8, 80}},    {"Label6", form.Label6, {8, 96}},
      {"Label10", form.Label10, {8, 112}}, {"Label11", form.Label11, {320, 128}},
      {"Label14", form.Label14, {8, 152}}, {"Label15", form.Label15, {336, 168}},
  };
  EXPECT_EQ(form.findChildren<QLabel*>().size(), std::size(labels));
  for (const auto& l : labels) {
    SCOPED_TRACE(l.name);
    ASSERT_EQ(form.findChild<QLabel*>(QLatin1String(l.name)), l.label);
    EXPECT_EQ(l.label->pos(), l.at);
    EXPECT_FALSE(l.label->text().isEmpty());
    EXPECT_EQ(l.label->font().pointSize(), 8);
    EXPECT_TRUE(form.rect().contains(l.label->geometry())) << "text cut off by the border";
  }
  EXPECT_EQ(form.Label1->text(), QStringLiteral("Fleetwick v1.1"));
  EXPECT_TRUE(form.Label11->text().contains(QLatin1Char('@')));
}

TEST_F(About, escapeDoesNotCloseButTheTitleBarDoes) {
  TForm6 form;
  for (int showing = 0; showing < 2; ++showing) {
    bool stayedOpen = false;
    int result = fw::test::runModal(form, [&](QWidget* modal) {
      EXPECT_EQ(modal, &form);
      QTest::keyClick(modal, Qt::Key_Escape);
      QApplication::processEvents();
      stayedOpen = form.isVisible() && QApplication::activeModalWidget() == &form;
      modal->close(); // what the title bar's close button does
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(stayedOpen) << "showing " << showing;
    EXPECT_FALSE(form.isVisible());
  }
}

} // namespace
