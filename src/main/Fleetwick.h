// The program's start-up: the six windows in their order, then the event loop.
#pragma once

#include <QIcon>

#include <memory>

class QApplication;
class QWidget;
class QString;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TForm7;

namespace fw {

class Dialogs;

// The program's windows, created once and destroyed together at exit, in the reverse order of
// their creation: later windows depend on earlier ones (TForm7 holds TForm1's state).
struct Windows {
  Windows();
  ~Windows();
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<TForm2> form2;
  std::unique_ptr<TForm3> form3;
  std::unique_ptr<TForm4> form4;
  std::unique_ptr<TForm6> form6;
  std::unique_ptr<TForm7> form7;
};

// Creates TForm1 (which loads the working state), then TForm2, TForm3, TForm4, TForm6, TForm7,
// all hidden. An error on the way is shown in an error box with no window behind it, and the
// answer is nothing.
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

} // namespace fw
