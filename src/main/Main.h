// The main window: the controls of the design, the main menu, and one slot per event that runs the
// event's handler on MainState and shows the state again. It owns the working state.
#pragma once

#include "common/LineBuffer.h"
#include "common/MainState.h"
#include "common/Services.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class TViewerForm;
class TForm6;
class TForm7;

namespace fw {
class Dialogs;
class MainView;
} // namespace fw

class TForm1 : public QMainWindow {
  Q_OBJECT

public:
  // Runs the construction steps: creates the controls and loads the working state from the files
  // under the current directory. Throws fw::Error when a file that must be read cannot be.
  explicit TForm1(fw::Dialogs& dialogs, QWidget* parent = nullptr);
  ~TForm1() override;

  // The windows created after this one; the menu and the record handlers reach them from here.
  void setWindows(std::array<TViewerForm*, 3> viewers, TForm6* about, TForm7* settings);
  void setClock(std::function<QDateTime()> clock);

  fw::MainState& state() { return state_; }
  fw::Services services();
  // Shows the state in the widgets; the slots do this after every handler.
  void render();

  // The stock copies of the three data files, as the program carries them.
  fw::LineBuffer Handling, Vehicles, Carcols;

protected:
  void showEvent(QShowEvent* event) override;

private:
  enum class Edits { Take, Leave };
  // Copies the user's edits into the state (unless the handler reads none of them), runs the
  // handler through the error guard, shows the state again. An edit that Windows-1251 cannot
  // hold stops it before the handler runs.
  void run(const std::function<void()>& handler, Edits edits = Edits::Take);
  // The list-change events come in twos (the typed text and the list's own text): they are
  // gathered and handled once, after the widget has finished its own work.
  void listChanged(fw::Category c);
  void postListChange(fw::Category c);

  void connectControls();
  void createMenu();
  void placeOnScreen();

  // The handlers of the window's events, named after the control and the event.
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  void RadioButton4Click();
  void ComboBox1Change();
  void ComboBox2Change();
  void ComboBox3Change();
  void ComboBox4Change();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button12Click();
  void Button13Click();
  void Button14Click();
  void launch(const std::string& commandLine);

  // The menu's handlers.
  void ViewHandlingClick();
  void ViewVehiclesClick();
  void ViewCarcolsClick();
  void SaveStockHandlingClick();
  void SaveStockVehiclesClick();
  void SaveStockCarcolsClick();
  void ExitClick();
  void ParametersClick();
  void AboutClick();
  void WhyNotSavedClick();
  void view(fw::FileKind k);
  void saveStock(fw::FileKind k);

  fw::Dialogs& dialogs_;
  fw::MainState state_;
  QHash<QString, QWidget*> controls_;
  std::unique_ptr<fw::MainView> view_;
  bool busy_ = false;
  bool placed_ = false;
  std::array<bool, 4> listChangePending_{};
  std::function<QDateTime()> clock_;
  std::array<TViewerForm*, 3> viewers_{};
  TForm6* form6_ = nullptr;
  TForm7* form7_ = nullptr;
  // SaveDialog1..SaveDialog3: the path each save dialog offers next.
  std::array<QString, 3> saveDialogPath_;
};
