// The yardstick for start-up: the least a Qt Widgets program does to show a window of the main
// window's size, captured the same way as Fleetwick's.
#include "main/Fleetwick.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(857, 549);
  window.show();
  fw::captureWhenShown(app, window, qEnvironmentVariable("FLEETWICK_SCREENSHOT"));
  return app.exec();
}
