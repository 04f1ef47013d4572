// The three viewer windows: what they load, how they look, and how showing and closing treat the
// text typed into them.
#include "windows/Viewer.h"
#include "TempFolder.h"
#include "WindowTest.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "windows/Text.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct Viewer {
  const char* name;
  const char* caption;
  const char* file; // under the game folder, as the window reads it
  QSize outer;
  std::optional<QPoint> topLeft; // nothing: centred
  std::function<TViewerForm*()> make;
};

const Viewer kViewers[] = {
    {"Form2",
     "handling.dat",
     "common/data/handling.dat",
     {947, 598},
     std::nullopt,
     [] { return new TForm2; }},
    {"Form3",
     "vehicles.ide",
     "common/data/vehicles.ide",
     {1142, 656},
     QPoint(348, 249),
     [] { return new TForm3; }},
    {"Form4",
     "carcols.dat",
     "common/data/carcols.dat",
     {1142, 656},
     QPoint(308, 317),
     [] { return new TForm4; }},
};

QPoint screenCentreFor(QSize outer) {
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {screen.x() + (screen.width() - outer.width()) / 2,
          screen.y() + (screen.height() - outer.height()) / 2};
}

int windowsNamed(const char* name) {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    n += w->objectName() == QLatin1String(name);
  return n;
}

class Viewers : public fw::test::WindowTest {
protected:
  void SetUp() override {
    // Bytes above 0x7F and all three kinds of line end, as real data files have.
    game.write("common/data/handling.dat",
               "; \xCC\xE0\xF8\xE8\xED\xFB\r\nADMIRAL\t1650.0\r\nBANSHEE\n\nlast");
    game.write("common/data/vehicles.ide", "cars\rtxdp\r\nend\r\n");
    game.write("common/data/carcols.dat", "# \xF6\xE2\xE5\xF2\r\ncol\r\n");
  }

  static QString shown(const std::string& bytes) { return fw::joinLines(fw::LineBuffer::fromBytes(bytes)); }

  fw::test::TempFolder game{true};
};

TEST_F(Viewers, eachLoadsItsFileFromTheCurrentDirectoryWhenCreated) {
  for (const Viewer& v : kViewers) {
    std::unique_ptr<TViewerForm> form(v.make());
    EXPECT_FALSE(form->isVisible()) << v.name;
    EXPECT_EQ(fw::test::viewerText(*form), shown(game.read(v.file))) << v.name;
  }
  TForm2 form;
  EXPECT_EQ(fw::test::viewerText(form), QStringLiteral("; Машины\nADMIRAL\t1650.0\nBANSHEE\n\nlast"));
}

TEST_F(Viewers, missingFileFailsTheConstructionWithThePathAsWritten) {
  for (const Viewer& v : kViewers) {
    std::filesystem::remove(game.path() / v.file);
    try {
      std::unique_ptr<TViewerForm> form(v.make());
      ADD_FAILURE() << v.name << " was built without its file";
    } catch (const fw::Error& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot open file common//data//" + std::string(v.caption));
    }
    EXPECT_EQ(windowsNamed(v.name), 0) << "a half-built window remains";
  }
}

TEST_F(Viewers, designGivesCaptionSizePositionAndAPlainTextField) {
  for (const Viewer& v : kViewers) {
    SCOPED_TRACE(v.name);
    std::unique_ptr<TViewerForm> form(v.make());
    EXPECT_EQ(form->objectName(), QLatin1String(v.name));
    EXPECT_EQ(form->windowTitle(), QLatin1String(v.caption));
    EXPECT_TRUE(form->isWindow());
    form->showInFront();
    // The outer size is the frame's; offscreen windows have a thin one.
    EXPECT_EQ(form->frameGeometry().size(), v.outer);
    EXPECT_LT(form->width(), v.outer.width());
    EXPECT_EQ(form->frameGeometry().topLeft(), v.topLeft ? *v.topLeft : screenCentreFor(v.outer));
    EXPECT_NE(form->minimumSize(), form->maximumSize()) << "the border is sizeable";

    QPlainTextEdit* memo = form->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_EQ(memo, form->Memo1);
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->font().pointSize(), 8);
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_EQ(memo->geometry(), form->rect());
    form->resize(500, 300);
    QApplication::sendPostedEvents();
    EXPECT_EQ(memo->geometry(), form->rect()) << "the field follows the window's size";
    form->close();
  }
}

TEST_F(Viewers, showingTwiceLeavesOneVisibleWindow) {
  for (const Viewer& v : kViewers) {
    std::unique_ptr<TViewerForm> form(v.make());
    form->showInFront();
    form->showInFront();
    EXPECT_TRUE(form->isVisible()) << v.name;
    EXPECT_EQ(windowsNamed(v.name), 1);
    form->showMinimized();
    form->showInFront();
    EXPECT_FALSE(form->isMinimized()) << v.name << " comes back from the task bar";
    form->close();
  }
}

TEST_F(Viewers, closingHidesAndKeepsTypedTextUntilTheNextLoad) {
  for (const Viewer& v : kViewers) {
    SCOPED_TRACE(v.name);
    std::unique_ptr<TViewerForm> form(v.make());
    QPointer<TViewerForm> alive(form.get());
    form->showInFront();
    form->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(form->Memo1, QStringLiteral(" typed"));
    const QString typed = form->Memo1->toPlainText();
    ASSERT_TRUE(typed.endsWith(QStringLiteral(" typed")));

    EXPECT_TRUE(form->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!alive) {
      form.release(); // already gone
      FAIL() << "closing must not destroy the window";
    }
    EXPECT_FALSE(form->isVisible());
    form->showInFront();
    EXPECT_EQ(form->Memo1->toPlainText(), typed);
    EXPECT_EQ(QString::fromLatin1(game.read(v.file)).contains(QStringLiteral("typed")), false);

    form->loadLines(fw::LineBuffer{"new", "\xC0\xE1"});
    EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("new\nАб"));
    form->loadLines(fw::LineBuffer{});
    EXPECT_EQ(form->Memo1->toPlainText(), QString());
    form->close();
  }
}

} // namespace

TEST_F(Viewers, aReloadWhileHiddenReplacesTypedTextWhenShownAgain) {
  TForm2 form;
  form.showInFront();
  QTest::keyClicks(form.Memo1, QStringLiteral("typed"));
  form.close();
  form.loadLines(fw::LineBuffer{"written", "\xC0"});
  EXPECT_FALSE(form.isVisible()) << "a reload does not show the window";
  form.showInFront();
  EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("written\nА"));
  form.loadLines(fw::LineBuffer{"second"});
  form.loadLines(fw::LineBuffer{"third"});
  EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral("third")) << "a visible viewer follows at once";
  form.close();
}
