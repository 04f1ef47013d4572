// The main window: the controls of the design, the main menu, and one slot per event that runs the
// event's handler on MainState and shows the state again. It owns the working state.
#pragma once

#include "common/LineBuffer.h"
#include "common/MainState.h"
#include "common/Services.h"
#include "platform/Console.h"

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class ViewerWindow;
class FindingsWindow;
class ChangesWindow;
class ModInstallWindow;
class QAction;
class AboutBox;
class SettingsWindow;

namespace fw {
class Dialogs;
class MainView;
} // namespace fw

class MainWindow : public QMainWindow {
  Q_OBJECT

public:
  // Runs the construction steps: creates the controls and loads the working state from the files
  // under the current directory. Throws fw::Error when a file that must be read cannot be.
  explicit MainWindow(fw::Dialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The windows created after this one; the menu and the record handlers reach them from here.
  void setWindows(std::array<ViewerWindow*, 3> viewers, AboutBox* about, SettingsWindow* settings);
  void setClock(std::function<fw::platform::LocalTime()> clock);

  fw::MainState& state() { return state_; }
  fw::Services services();
  // Shows the state in the widgets; the slots do this after every handler.
  void render();

protected:
  void showEvent(QShowEvent* event) override;

private:
  // Copies the user's edits into the state, runs the handler through the error guard (its box
  // over `parent`, or this window) and shows the state again. A handler that reads a field holding text
  // Windows-1251 cannot hold (named in `reads` by the field's objectName) does not run.
  void run(const std::function<void()>& handler, const QStringList& reads = {}, QWidget* parent = nullptr);
  // The list-change events come in twos (the typed text and the list's own text): they are
  // gathered and handled once, after the widget has finished its own work.
  void listChanged(fw::Category c);
  void postListChange(fw::Category c);

  void connectControls();
  void createMenu();
  void placeOnScreen();

  // The window's commands.
  void selectCategory(fw::Category c);
  void vehicleListChanged(fw::Category c);
  void lookUpVehicle(fw::Category c);
  void writeLine(fw::FileKind k);
  void restoreLine(fw::FileKind k);
  void launch(const std::string& commandLine);
  void showViewer(fw::FileKind k);
  void saveStockCopy(fw::FileKind k);
  void checkGameFiles();
  void showSettings();
  void showAbout();
  void explainUnsavedChanges();
  // The changes against the stock files (MainChanges.cpp); the window's list follows whatever a
  // command of this window wrote.
  void showChanges();
  void followChanges();
  void resetToStock(fw::Category c, const std::string& label);
  void installMod();
  // The mod install window and its menu item follow the lookup.
  void followLookup();

  fw::Dialogs& dialogs_;
  fw::MainState state_;
  QHash<QString, QWidget*> controls_;
  std::unique_ptr<fw::MainView> view_;
  bool busy_ = false;
  bool placed_ = false;
  std::array<bool, 4> listChangePending_{};
  std::function<fw::platform::LocalTime()> clock_;
  std::array<ViewerWindow*, 3> viewers_{};
  AboutBox* about_ = nullptr;
  SettingsWindow* settings_ = nullptr;
  FindingsWindow* findings_ = nullptr;     // made when first needed, a child of this window
  ChangesWindow* changes_ = nullptr;       // likewise
  ModInstallWindow* modInstall_ = nullptr; // likewise
  QAction* installModItem_ = nullptr;
  // The path each stock copy's save dialog offers next.
  std::array<QString, 3> saveDialogPaths_;
};
