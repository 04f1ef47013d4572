// The main menu of TForm1 and its handlers: the viewers, the stock copies, the settings, the
// about box, the read-only hint and exit.
#include "common/Files.h"
#include "main/Main.h"
#include "windows/Dialogs.h"
#include "windows/Text.h"
#include "windows/Unit6.h"
#include "windows/Unit7.h"
#include "windows/Viewer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {

// A path the user chose, in the operating system's own encoding; the error box reads a message
// in that encoding back (fw::messageText).
fw::FilePath chosenPath(const QString& chosen) {
  return fw::FilePath::chosen(QFile::encodeName(QDir::toNativeSeparators(chosen)).toStdString());
}

} // namespace

void TForm1::createMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  auto menu = [bar](const char* name, const char* title) {
    QMenu* m = bar->addMenu(QString::fromUtf8(title));
    m->setObjectName(QString::fromLatin1(name));
    return m;
  };
  auto item = [this](QMenu* m, const char* name, const char* caption, void (TForm1::*handler)()) {
    QAction* a = m->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromLatin1(name));
    // Keep every item where the menu puts it (macOS would move "Выход" and the like elsewhere).
    a->setMenuRole(QAction::NoRole);
    connect(a, &QAction::triggered, this, handler);
  };

  QMenu* file = menu("File1", "Файл");
  item(file, "ViewHandlingClick", "Посмотреть handling.dat", &TForm1::ViewHandlingClick);
  item(file, "ViewVehiclesClick", "Посмотреть vehicles.ide", &TForm1::ViewVehiclesClick);
  item(file, "ViewCarcolsClick", "Посмотреть carcols.dat", &TForm1::ViewCarcolsClick);
  file->addSeparator();
  item(file, "SaveStockHandlingClick", "Сохранить стандартный handling.dat как...",
       &TForm1::SaveStockHandlingClick);
  item(file, "SaveStockVehiclesClick", "Сохранить стандартный vehicles.ide как...",
       &TForm1::SaveStockVehiclesClick);
  item(file, "SaveStockCarcolsClick", "Сохранить стандартный carcols.dat как...",
       &TForm1::SaveStockCarcolsClick);
  file->addSeparator();
  item(file, "ExitClick", "Выход", &TForm1::ExitClick);

  QMenu* settings = menu("Settings1", "Настройки");
  item(settings, "ParametersClick", "Параметры", &TForm1::ParametersClick);

  QMenu* help = menu("Help1", "Помощь");
  item(help, "AboutClick", "О программе", &TForm1::AboutClick);
  item(help, "WhyNotSavedClick", "Почему изменения не сохраняются?", &TForm1::WhyNotSavedClick);
}

// None of the menu's commands reads what the user typed in the main window, so none of them is
// held up by a text the code page cannot hold.
void TForm1::ViewHandlingClick() { view(fw::FileKind::Handling); }
void TForm1::ViewVehiclesClick() { view(fw::FileKind::Vehicles); }
void TForm1::ViewCarcolsClick() { view(fw::FileKind::Carcols); }

void TForm1::view(fw::FileKind k) {
  run(
      [this, k] {
        if (TViewerForm* viewer = viewers_[fw::indexOf(k)]) viewer->showInFront();
      },
      Edits::Leave);
}

void TForm1::SaveStockHandlingClick() { saveStock(fw::FileKind::Handling); }
void TForm1::SaveStockVehiclesClick() { saveStock(fw::FileKind::Vehicles); }
void TForm1::SaveStockCarcolsClick() { saveStock(fw::FileKind::Carcols); }

void TForm1::saveStock(fw::FileKind k) {
  run(
      [this, k] {
        QString& remembered = saveDialogPath_[fw::indexOf(k)];
        auto chosen = dialogs_.saveFile(this, remembered, QString::fromUtf8("Все файлы (*.*)"));
        if (!chosen) return;
        // The dialog keeps the chosen path even when the file then cannot be written.
        remembered = *chosen;
        const fw::LineBuffer& stock = k == fw::FileKind::Handling   ? Handling
                                      : k == fw::FileKind::Vehicles ? Vehicles
                                                                    : Carcols;
        fw::saveLines(chosenPath(*chosen), stock);
      },
      Edits::Leave);
}

void TForm1::ExitClick() { close(); }

void TForm1::ParametersClick() {
  run(
      [this] {
        if (form7_) form7_->exec();
      },
      Edits::Leave);
}

void TForm1::AboutClick() {
  run(
      [this] {
        if (form6_) form6_->exec();
      },
      Edits::Leave);
}

void TForm1::WhyNotSavedClick() {
  run(
      [this] {
        dialogs_.message(this, QString::fromUtf8(
                                   "Убедитесь, что на необходимых файлах не стоит атрибут Только чтоние!!!"));
      },
      Edits::Leave);
}
