#include "main/Fleetwick.h"

#include "main/MainLayout.h"
#include "main/MainWindow.h"
#include "windows/AboutBox.h"
#include "windows/ErrorGuard.h"
#include "windows/SettingsWindow.h"
#include "windows/ViewerWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

// The fonts live in a static library: its resources must be registered by hand, and
// Q_INIT_RESOURCE only works outside a namespace.
static void registerFontResources() { Q_INIT_RESOURCE(fonts); }

namespace fw {

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
    windows->main = std::make_unique<MainWindow>(dialogs);
    for (FileKind k : kFileKinds)
      windows->viewers[indexOf(k)] = std::make_unique<ViewerWindow>(k);
    windows->about = std::make_unique<AboutBox>();
    windows->settings = std::make_unique<SettingsWindow>(windows->main->state(), dialogs);
  });
  if (!created) return nullptr;
  windows->main->setWindows({windows->viewers[0].get(), windows->viewers[1].get(), windows->viewers[2].get()},
                            windows->about.get(), windows->settings.get());
  // Closing the main window ends the program, whichever other windows are open.
  for (QWidget* w : std::initializer_list<QWidget*>{windows->viewers[0].get(), windows->viewers[1].get(),
                                                    windows->viewers[2].get(), windows->about.get(),
                                                    windows->settings.get()})
    w->setAttribute(Qt::WA_QuitOnClose, false);
  return windows;
}

int runFleetwick(QApplication& app, Dialogs& dialogs) {
  std::unique_ptr<Windows> windows = createWindows(dialogs);
  if (!windows) return 0;
  windows->main->show();
  const QString screenshot = qEnvironmentVariable("FLEETWICK_SCREENSHOT");
  if (!screenshot.isEmpty()) captureWhenShown(app, *windows->main, screenshot);
  app.exec();
  return 0;
}

void prepareApplication(QApplication& app) {
  registerFontResources();
  for (const char* face : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"})
    if (QFontDatabase::addApplicationFont(QString::fromLatin1(face)) < 0)
      std::fprintf(stderr, "fleetwick: cannot load the font %s\n", face);
  // The same style everywhere, as the same font: the captions fit the margins of this one.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setFont(layout::programFont());
  app.setWindowIcon(fleetwickIcon());
}

} // namespace fw
