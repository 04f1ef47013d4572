#include "main/MainWindow.h"

#include "backup/BackupStore.h"
#include "backup/RecordWriter.h"
#include "backup/Restore.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "main/MainLayout.h"
#include "main/MainView.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "records/CategorySwitch.h"
#include "records/Lookup.h"
#include "records/Startup.h"
#include "windows/Dialogs.h"
#include "windows/ErrorGuard.h"
#include "windows/Text.h"
#include "windows/ViewerWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>

namespace {

using fw::Category;
using fw::FileKind;

} // namespace

MainWindow::MainWindow(fw::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs),
      clock_(&fw::platform::localNow), saveDialogPaths_{QStringLiteral("handling.dat"),
                                                        QStringLiteral("vehicles.ide"),
                                                        QStringLiteral("carcols.dat")} {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Fleetwick v1.1"));
  setFont(fw::layout::programFont());

  auto* client = new QWidget(this);
  client->setFixedSize(857, 529);
  setCentralWidget(client);
  controls_ = fw::layout::build(client);
  createMenu();

  fw::constructMainState(state_);

  view_ = std::make_unique<fw::MainView>(controls_, state_);
  render();
  connectControls();

  // A fixed single border: the window is exactly as large as its menu and its client area.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
}

MainWindow::~MainWindow() = default;

void MainWindow::setWindows(std::array<ViewerWindow*, 3> viewers, AboutBox* about, SettingsWindow* settings) {
  viewers_ = viewers;
  about_ = about;
  settings_ = settings;
}

void MainWindow::setClock(std::function<fw::platform::LocalTime()> clock) { clock_ = std::move(clock); }

fw::Services MainWindow::services() {
  fw::Services s;
  s.timestamp = [this] { return fw::backup::backupTimestamp(clock_()); };
  s.reloadViewer = [this](FileKind k, const fw::LineBuffer& lines) {
    if (ViewerWindow* viewer = viewers_[fw::indexOf(k)]) viewer->loadLines(lines);
  };
  return s;
}

void MainWindow::render() {
  view_->render();
  followLookup();
}

void MainWindow::showEvent(QShowEvent* event) {
  // The menu bar knows its height only once the window is polished for showing: the window is
  // centred then, before it first appears.
  if (!placed_) {
    placed_ = true;
    placeOnScreen();
  }
  QMainWindow::showEvent(event);
}

void MainWindow::placeOnScreen() {
  // The whole screen, not its work area, and the frame's outer size, as the design centres it.
  if (QScreen* screen = this->screen()) {
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
  }
}

void MainWindow::run(const std::function<void()>& handler, const QStringList& reads, QWidget* parent) {
  // A handler's modal dialog runs an event loop of its own; the main window takes no input then.
  if (busy_) return;
  const QStringList refused = view_->capture();
  for (const QString& field : reads) {
    if (refused.contains(field)) {
      dialogs_.message(this,
                       QString::fromUtf8("Текст содержит символы, которых нет в кодировке Windows-1251."));
      render(); // a radio button the user clicked shows the category again
      return;
    }
  }
  busy_ = true;
  fw::guarded(dialogs_, parent ? parent : this, handler);
  followChanges();
  render();
  busy_ = false;
  for (Category c : fw::kCategories)
    if (listChangePending_[fw::indexOf(c)]) postListChange(c);
}

void MainWindow::listChanged(Category c) {
  if (view_->rendering() || listChangePending_[fw::indexOf(c)]) return;
  listChangePending_[fw::indexOf(c)] = true;
  postListChange(c);
}

void MainWindow::postListChange(Category c) {
  QMetaObject::invokeMethod(
      this,
      [this, c] {
        bool& pending = listChangePending_[fw::indexOf(c)];
        // A handler still running posts it again when it ends.
        if (!pending || busy_) return;
        pending = false;
        vehicleListChanged(c);
      },
      Qt::QueuedConnection);
}

void MainWindow::connectControls() {
  namespace names = fw::layout::names;
  auto button = [this](const char* name) {
    return qobject_cast<QAbstractButton*>(controls_.value(QString::fromLatin1(name)));
  };
  for (Category c : fw::kCategories) {
    const std::size_t i = fw::indexOf(c);
    connect(button(names::categoryRadio[i]), &QAbstractButton::clicked, this,
            [this, c] { selectCategory(c); });
    connect(button(names::lookupButton[i]), &QAbstractButton::clicked, this, [this, c] { lookUpVehicle(c); });
    // Picking an entry and editing the text both change a vehicle list; typing counts even when
    // the text ends as it was, which only the line edit tells.
    auto* list = qobject_cast<QComboBox*>(controls_.value(QString::fromLatin1(names::vehicleList[i])));
    auto changed = [this, c] { listChanged(c); };
    connect(list, &QComboBox::currentTextChanged, this, changed);
    connect(list, &QComboBox::editTextChanged, this, changed);
    connect(list->lineEdit(), &QLineEdit::textEdited, this, changed);
  }
  for (FileKind k : fw::kFileKinds) {
    const std::size_t i = fw::indexOf(k);
    connect(button(names::writeButton[i]), &QAbstractButton::clicked, this, [this, k] { writeLine(k); });
    connect(button(names::restoreButton[i]), &QAbstractButton::clicked, this, [this, k] { restoreLine(k); });
    // The row's verdict follows every keystroke.
    connect(qobject_cast<QLineEdit*>(controls_.value(QString::fromLatin1(names::input[i]))),
            &QLineEdit::textEdited, this, [this] { run([] {}); });
  }
  // The launchers read the program paths, never what the user typed in this window.
  connect(button(names::archiveEditorButton), &QAbstractButton::clicked, this,
          [this] { run([this] { launch(state_.archiveEditorPath); }); });
  connect(button(names::gameButton), &QAbstractButton::clicked, this,
          [this] { run([this] { launch(state_.gamePath); }); });
}

void MainWindow::selectCategory(Category c) {
  run([this, c] { fw::selectCategory(state_, c); });
}

void MainWindow::vehicleListChanged(Category) {
  run([this] { fw::vehicleListChanged(state_); });
}

void MainWindow::lookUpVehicle(Category c) {
  run([this, c] { fw::lookUpVehicle(state_, c); },
      {QString::fromLatin1(fw::layout::names::vehicleList[fw::indexOf(c)])});
}

// A write records the dated list as the user left it, so it reads that list too.
void MainWindow::writeLine(FileKind k) {
  run([this, k] { fw::writeLine(state_, k, services()); },
      {QString::fromLatin1(fw::layout::names::input[fw::indexOf(k)]),
       QString::fromLatin1(fw::layout::names::datedList[fw::indexOf(k)])});
}

void MainWindow::restoreLine(FileKind k) {
  run([this, k] { fw::restoreLine(state_, k, services()); },
      {QString::fromLatin1(fw::layout::names::backupNames[fw::indexOf(k)])});
}

void MainWindow::launch(const std::string& commandLine) {
  if (!fw::platform::launch(fw::cp1251::toUtf8(commandLine), fw::platform::currentDirectory()))
    dialogs_.message(this, QString::fromUtf8("Укажите в настройках путь к программе!"));
}
