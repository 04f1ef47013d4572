// The vehicles whose lines differ from the stock files, and for the one selected its current and
// stock lines one above the other with the differing values marked; "Вернуть оригинал" puts its
// stock lines back. Closing the window hides it.
#pragma once

#include "common/LineBuffer.h"
#include "stock/Changes.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTextEdit;
class QTreeWidget;

class ChangesWindow : public QWidget {
  Q_OBJECT

public:
  // `reset` puts the vehicle's stock lines back; the main window runs it as it runs its commands.
  using Reset = std::function<void(fw::Category, const std::string& label)>;
  explicit ChangesWindow(Reset reset, QWidget* parent = nullptr);

  void showInFront();
  // Compares the data files with the stock copies, unless they are the files it compared last:
  // the list keeps its selection where the vehicle is still listed.
  void follow(const std::array<fw::LineBuffer, 3>& files);
  // The files could not be read: the text says why, in place of the list.
  void showFailure(const QString& text);

private:
  void showList();
  void showSelected();

  Reset resetVehicle_;
  QLabel* summary_;
  QTreeWidget* list_;
  QTextEdit* lines_;
  QPushButton* reset_;
  std::array<fw::LineBuffer, 3> compared_;
  bool comparedAny_ = false;
  std::vector<fw::stock::VehicleChanges> changes_;
};
