// Fleetwick: started without arguments it works in the current folder, the game folder; a game
// folder may be named instead, and the desktop menu's start finds one itself (StartFolder.h).
#include "app/StartFolder.h"
#include "main/Fleetwick.h"
#include "windows/Dialogs.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
  // Answered before Qt looks for a display, so that they work where there is none.
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  const fw::StartOptions early = fw::parseStartOptions(arguments);
  if (early.mode == fw::StartOptions::Mode::Help) return std::fputs(fw::kStartUsage, stdout) < 0;
  if (early.mode == fw::StartOptions::Mode::Version) return std::puts("fleetwick " FLEETWICK_VERSION) < 0;

  QApplication app(argc, argv);
  // Wayland finds the desktop entry, and with it the icon, by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(FLEETWICK_APP_ID));
  const fw::StartOptions options = fw::parseStartOptions(QApplication::arguments());
  if (options.mode == fw::StartOptions::Mode::Usage) {
    std::fprintf(stderr, "fleetwick: %s\n\n%s", qPrintable(options.wrong), fw::kStartUsage);
    return 2;
  }
  fw::prepareApplication(app);
  fw::QtDialogs dialogs;
  switch (fw::enterGameFolder(options, fw::menuMemoryFile(), dialogs)) {
  case fw::Entered::Cancelled: return 0;
  case fw::Entered::Failed: return 1;
  case fw::Entered::Yes: break;
  }
  return fw::runFleetwick(app, dialogs);
}
