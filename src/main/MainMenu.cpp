// The main menu of the main window and its commands: the viewers, the stock copies, the settings,
// the about box, the read-only hint and exit.
#include "common/Files.h"
#include "main/MainWindow.h"
#include "windows/AboutBox.h"
#include "windows/Dialogs.h"
#include "windows/SettingsWindow.h"
#include "windows/Text.h"
#include "windows/ViewerWindow.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace {

// A path the user chose, as the platform layer takes paths: UTF-8 (Qt 6 takes that for the
// file system's encoding on POSIX).
fw::FilePath chosenPath(const QString& chosen) {
  return fw::FilePath::chosenByUser(QDir::toNativeSeparators(chosen).toUtf8().toStdString());
}

} // namespace

void MainWindow::createMenu() {
  using fw::FileKind;
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  auto menu = [bar](const char* name, const char* title) {
    QMenu* m = bar->addMenu(QString::fromUtf8(title));
    m->setObjectName(QString::fromLatin1(name));
    return m;
  };
  auto item = [this](QMenu* m, const char* name, const char* caption, auto command) {
    QAction* a = m->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromLatin1(name));
    // Keep every item where the menu puts it (macOS would move "Выход" and the like elsewhere).
    a->setMenuRole(QAction::NoRole);
    connect(a, &QAction::triggered, this, command);
  };

  QMenu* file = menu("File1", "Файл");
  item(file, "viewHandling", "Посмотреть handling.dat", [this] { showViewer(FileKind::Handling); });
  item(file, "viewVehicles", "Посмотреть vehicles.ide", [this] { showViewer(FileKind::Vehicles); });
  item(file, "viewCarcols", "Посмотреть carcols.dat", [this] { showViewer(FileKind::Carcols); });
  file->addSeparator();
  item(file, "saveStockHandling", "Сохранить стандартный handling.dat как...",
       [this] { saveStockCopy(FileKind::Handling); });
  item(file, "saveStockVehicles", "Сохранить стандартный vehicles.ide как...",
       [this] { saveStockCopy(FileKind::Vehicles); });
  item(file, "saveStockCarcols", "Сохранить стандартный carcols.dat как...",
       [this] { saveStockCopy(FileKind::Carcols); });
  file->addSeparator();
  item(file, "exit", "Выход", [this] { close(); });

  QMenu* settings = menu("Settings1", "Настройки");
  item(settings, "settings", "Параметры", [this] { showSettings(); });

  QMenu* help = menu("Help1", "Помощь");
  item(help, "about", "О программе", [this] { showAbout(); });
  item(help, "whyNotSaved", "Почему изменения не сохраняются?", [this] { explainUnsavedChanges(); });
}

void MainWindow::showViewer(fw::FileKind k) {
  run([this, k] {
    if (ViewerWindow* viewer = viewers_[fw::indexOf(k)]) viewer->showInFront();
  });
}

void MainWindow::saveStockCopy(fw::FileKind k) {
  run([this, k] {
    QString& remembered = saveDialogPaths_[fw::indexOf(k)];
    auto chosen = dialogs_.saveFile(this, remembered, QString::fromUtf8("Все файлы (*.*)"));
    if (!chosen) return;
    // The dialog keeps the chosen path even when the file then cannot be written.
    remembered = *chosen;
    fw::saveLines(chosenPath(*chosen), stockCopies[fw::indexOf(k)]);
  });
}

void MainWindow::showSettings() {
  run([this] {
    if (settings_) settings_->exec();
  });
}

void MainWindow::showAbout() {
  run([this] {
    if (about_) about_->exec();
  });
}

void MainWindow::explainUnsavedChanges() {
  run([this] {
    dialogs_.message(
        this, QString::fromUtf8("Убедитесь, что на необходимых файлах не стоит атрибут Только чтоние!!!"));
  });
}
