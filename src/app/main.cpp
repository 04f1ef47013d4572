// Fleetwick: the program takes no command-line arguments; any given are ignored.
#include "main/Fleetwick.h"
#include "windows/Dialogs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  fw::prepareApplication(app);
  fw::QtDialogs dialogs;
  return fw::runFleetwick(app, dialogs);
}
