// The program's start-up: the six windows in their order, then the event loop.
#pragma once

#include <QIcon>

#include <array>
#include <memory>

class QApplication;
class QImage;
class QPainter;
class QWidget;
class QString;
class MainWindow;
class ViewerWindow;
class AboutBox;
class SettingsWindow;

namespace fw {

class Dialogs;

// The program's windows, created once and destroyed together at exit, in the reverse order of
// their creation: later windows depend on earlier ones (the settings window holds the main
// window's state).
struct Windows {
  Windows();
  ~Windows();
  std::unique_ptr<MainWindow> main;
  std::array<std::unique_ptr<ViewerWindow>, 3> viewers; // in the order of FileKind
  std::unique_ptr<AboutBox> about;
  std::unique_ptr<SettingsWindow> settings;
};

// Creates the main window (which loads the working state), then the viewers, the about box and
// the settings window, all hidden. An error on the way is shown in an error box with no window behind it, and
// the answer is nothing.
std::unique_ptr<Windows> createWindows(Dialogs& dialogs);

// The whole run: the windows, the main window shown, the event loop until it closes. Always 0.
// With FLEETWICK_SCREENSHOT=<file.png> in the environment the main window is captured to that
// file once it has been painted, and the program ends.
int runFleetwick(QApplication& app, Dialogs& dialogs);

// Captures the window to a PNG file once the window system shows it, then ends the event loop.
void captureWhenShown(QApplication& app, QWidget& window, const QString& file);

// The application's settings before any window exists: the program font and the window icon.
void prepareApplication(QApplication& app);
QIcon fleetwickIcon();
// The icon's sizes: those Windows' Explorer shows, for the window icon and the executables' icon file.
inline constexpr std::array fleetwickIconSizes{16, 24, 32, 48, 64, 128, 256};
// The icon drawn at size × size pixels, with a transparent background; needs no application object.
QImage fleetwickIconImage(int size);
// The drawing itself, into the square from (0, 0) to (size, size) of any paint device.
void drawFleetwickIcon(QPainter& painter, qreal size);

} // namespace fw
