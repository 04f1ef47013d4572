// The about box: a modal window of labels that only its title bar closes.
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

class QtApp : public testing::Environment {
public:
  void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

private:
  int argc_ = 1;
  char name_[10] = "AboutTest";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};
const auto* const qtApp = testing::AddGlobalTestEnvironment(new QtApp);

// Shows a dialog modally with exec() and drives it from timer events: `drive` runs once the
// dialog is the active modal window; a modal window still open five seconds later is a failure
// and is hidden, so that exec() always returns.
class ModalDriver : public QObject {
public:
  explicit ModalDriver(std::function<void(QWidget*)> drive) : drive_(std::move(drive)) { startTimer(10); }

  int run(QDialog& dialog) {
    int result = dialog.exec();
    EXPECT_FALSE(drive_) << "the dialog never became modal";
    return result;
  }

protected:
  void timerEvent(QTimerEvent*) override {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && drive_) {
      auto drive = std::exchange(drive_, nullptr);
      deadline_ = QDeadlineTimer(5000);
      drive(modal);
    } else if (modal && deadline_.hasExpired()) {
      ADD_FAILURE() << "modal window left open: " << modal->objectName().toStdString();
      modal->hide();
    }
  }

private:
  std::function<void(QWidget*)> drive_;
  QDeadlineTimer deadline_{5000};
};

int runModal(QDialog& dialog, std::function<void(QWidget*)> drive) {
  return ModalDriver(std::move(drive)).run(dialog);
}

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
    int result = runModal(form, [&](QWidget* modal) {
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
