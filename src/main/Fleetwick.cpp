#include "main/Fleetwick.h"

#include "main/Main.h"
#include "main/MainLayout.h"
#include "windows/ErrorGuard.h"
#include "windows/Unit6.h"
#include "windows/Unit7.h"
#include "windows/Viewer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace fw {
namespace {} // namespace

void captureWhenShown(QApplication& app, QWidget& window, const QString& file) {
  // The window system maps and paints the window in its own time: poll until it is exposed, then
  // let one more round of events paint it.
  auto* poll = new QTimer(&app);
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  QObject::connect(poll, &QTimer::timeout, &app, [&app, &window, file, poll, started] {
    const bool exposed = window.windowHandle() && window.windowHandle()->isExposed();
    if (!exposed && started->elapsed() < 10000) return;
    poll->stop();
    QTimer::singleShot(0, &app, [&app, &window, file] {
      if (!window.grab().save(file, "PNG"))
        std::fprintf(stderr, "fleetwick: cannot write the screenshot %s\n", qPrintable(file));
      app.quit();
    });
  });
  poll->start(5);
}

Windows::Windows() = default;

Windows::~Windows() = default;

std::unique_ptr<Windows> createWindows(Dialogs& dialogs) {
  auto windows = std::make_unique<Windows>();
  bool created = guarded(dialogs, nullptr, [&] {
    windows->form1 = std::make_unique<TForm1>(dialogs);
    windows->form2 = std::make_unique<TForm2>();
    windows->form3 = std::make_unique<TForm3>();
    windows->form4 = std::make_unique<TForm4>();
    windows->form6 = std::make_unique<TForm6>();
    windows->form7 = std::make_unique<TForm7>(windows->form1->state(), dialogs);
  });
  if (!created) return nullptr;
  windows->form1->setWindows({windows->form2.get(), windows->form3.get(), windows->form4.get()},
                             windows->form6.get(), windows->form7.get());
  // Closing the main window ends the program, whichever other windows are open.
  for (QWidget* w :
       std::initializer_list<QWidget*>{windows->form2.get(), windows->form3.get(), windows->form4.get(),
                                       windows->form6.get(), windows->form7.get()})
    w->setAttribute(Qt::WA_QuitOnClose, false);
  return windows;
}

int runFleetwick(QApplication& app, Dialogs& dialogs) {
  std::unique_ptr<Windows> windows = createWindows(dialogs);
  if (!windows) return 0;
  windows->form1->show();
  const QString screenshot = qEnvironmentVariable("FLEETWICK_SCREENSHOT");
  if (!screenshot.isEmpty()) captureWhenShown(app, *windows->form1, screenshot);
  app.exec();
  return 0;
}

void prepareApplication(QApplication& app) {
  QApplication::setFont(layout::programFont());
  app.setWindowIcon(fleetwickIcon());
}

} // namespace fw
