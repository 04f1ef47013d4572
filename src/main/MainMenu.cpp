// The main menu of the main window and its commands: the viewers, the stock copies, the settings,
// the about box, the read-only hint and exit.
#include "common/FileKinds.h"
#include "common/Files.h"
#include "form/LineCheck.h"
#include "main/MainLayout.h"
#include "main/MainWindow.h"
#include "stock/StockCopies.h"
#include "windows/AboutBox.h"
#include "windows/Dialogs.h"
#include "windows/FindingText.h"
#include "windows/FindingsWindow.h"
#include "windows/ModInstallWindow.h"
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
    return a;
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
  item(file, "checkGameFiles", "Проверить файлы игры", [this] { checkGameFiles(); });
  item(file, "changesAgainstStock", "Изменения относительно оригинала…", [this] { showChanges(); });
  installModItem_ = item(file, "installMod", "Установить мод из текста…", [this] { installMod(); });
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
    fw::saveLines(chosenPath(*chosen), fw::stock::copyOf(k));
  });
}

// The files as they are on disk, whatever this window holds; a broken file of a million lines shows
// its first findings and how many more it has.
void MainWindow::checkGameFiles() {
  run([this] {
    std::array<fw::LineBuffer, 3> files;
    for (fw::FileKind k : fw::kFileKinds)
      files[fw::indexOf(k)] =
          fw::loadLines(fw::FilePath::under(state_.startDirectory, fw::kindInfo(k).dataFile));
    constexpr qsizetype kShown = 1000;
    QStringList lines;
    std::array<qsizetype, 2> counts{};
    fw::form::checkFiles(files, [&](const fw::form::Finding& f) {
      ++counts[static_cast<std::size_t>(f.severity)];
      if (lines.size() < kShown) lines << fw::located(f);
    });
    if (counts[0] + counts[1] > kShown)
      lines << QString::fromUtf8("… и ещё %1").arg(counts[0] + counts[1] - kShown);
    lines.prepend(
        counts[0] + counts[1] == 0
            ? QString::fromUtf8("Ошибок нет: игра загрузит handling.dat, vehicles.ide и carcols.dat.")
            : QString::fromUtf8("Ошибок: %1, предупреждений: %2.").arg(counts[0]).arg(counts[1]));
    if (!findings_) findings_ = new FindingsWindow(this);
    findings_->showText(lines.join(QLatin1Char('\n')));
  });
}

void MainWindow::installMod() {
  run([this] {
    if (!modInstall_) {
      const auto runner = [this](QWidget* parent, const std::function<void()>& handler) {
        QStringList datedLists;
        for (const char* name : fw::layout::names::datedList)
          datedLists << QString::fromLatin1(name);
        run(handler, datedLists, parent);
      };
      modInstall_ = new ModInstallWindow(state_, dialogs_, services(), runner, this);
    }
    modInstall_->showInFront();
  });
}

void MainWindow::followLookup() {
  // The item is there once a lookup has opened the rows: a mod is installed into a vehicle's lines.
  const bool opened = std::any_of(state_.files.begin(), state_.files.end(),
                                  [](const fw::DataFileState& f) { return f.writeButton.enabled; });
  if (installModItem_) installModItem_->setEnabled(opened);
  if (modInstall_) modInstall_->follow();
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
