#include "main/Main.h"

#include "backup/RecordWriter.h"
#include "backup/Restore.h"
#include "common/Errors.h"
#include "main/MainLayout.h"
#include "main/MainView.h"
#include "main/Timestamp.h"
#include "platform/Platform.h"
#include "records/CategorySwitch.h"
#include "records/Lookup.h"
#include "records/Startup.h"
#include "windows/Dialogs.h"
#include "windows/ErrorGuard.h"
#include "windows/Text.h"
#include "windows/Viewer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>

// The stock copies live in a static library: its resources must be registered by hand, and
// Q_INIT_RESOURCE only works outside a namespace.
static void registerStockResources() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  Q_INIT_RESOURCE(stock);
}

namespace {

using fw::Category;
using fw::FileKind;

fw::LineBuffer loadStock(const char* path) {
  QFile file(QString::fromLatin1(path));
  if (!file.open(QIODevice::ReadOnly)) throw fw::cannotOpen(path);
  const QByteArray bytes = file.readAll();
  return fw::LineBuffer::fromBytes(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

TForm1::TForm1(fw::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs),
      clock_(&QDateTime::currentDateTime), saveDialogPath_{QStringLiteral("handling.dat"),
                                                           QStringLiteral("vehicles.ide"),
                                                           QStringLiteral("carcols.dat")} {
  registerStockResources();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Fleetwick v1.1"));
  setFont(fw::layout::programFont());

  auto* client = new QWidget(this);
  client->setFixedSize(857, 529);
  setCentralWidget(client);
  controls_ = fw::layout::build(client);
  // The labels' design captions are where their texts start; from here on the state holds them.
  for (auto [name, text] : {std::pair{"Label1", &state_.Label1}, std::pair{"Label2", &state_.Label2},
                            std::pair{"Label3", &state_.Label3}, std::pair{"Label4", &state_.Label4},
                            std::pair{"Label5", &state_.Label5}})
    *text = fw::bytesOf(qobject_cast<QLabel*>(controls_.value(QString::fromLatin1(name)))->text());
  createMenu();

  Handling = loadStock(":/stock/handling.dat");
  Vehicles = loadStock(":/stock/vehicles.ide");
  Carcols = loadStock(":/stock/carcols.dat");
  fw::constructMainState(state_);

  view_ = std::make_unique<fw::MainView>(controls_, state_);
  render();
  connectControls();

  // A fixed single border: the window is exactly as large as its menu and its client area.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
}

TForm1::~TForm1() = default;

void TForm1::setWindows(std::array<TViewerForm*, 3> viewers, TForm6* about, TForm7* settings) {
  viewers_ = viewers;
  form6_ = about;
  form7_ = settings;
}

void TForm1::setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

fw::Services TForm1::services() {
  fw::Services s;
  s.timestamp = [this] { return fw::backupTimestampBytes(clock_(), QLocale::system()); };
  s.reloadViewer = [this](FileKind k, const fw::LineBuffer& lines) {
    if (TViewerForm* viewer = viewers_[fw::indexOf(k)]) viewer->loadLines(lines);
  };
  return s;
}

void TForm1::render() { view_->render(); }

void TForm1::showEvent(QShowEvent* event) {
  // The menu bar knows its height only once the window is polished for showing: the window is
  // centred then, before it first appears.
  if (!placed_) {
    placed_ = true;
    placeOnScreen();
  }
  QMainWindow::showEvent(event);
}

void TForm1::placeOnScreen() {
  // The whole screen, not its work area, and the frame's outer size, as the design centres it.
  if (QScreen* screen = this->screen()) {
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
  }
}

void TForm1::run(const std::function<void()>& handler, Edits edits) {
  // A handler's modal dialog runs an event loop of its own; the main window takes no input then.
  if (busy_) return;
  if (edits == Edits::Take && !view_->capture()) {
    dialogs_.message(this,
                     QString::fromUtf8("Текст содержит символы, которых нет в кодировке Windows-1251."));
    return;
  }
  busy_ = true;
  fw::guarded(dialogs_, this, handler);
  render();
  busy_ = false;
  for (Category c : fw::kCategories)
    if (listChangePending_[fw::indexOf(c)]) postListChange(c);
}

void TForm1::listChanged(Category c) {
  if (view_->rendering() || listChangePending_[fw::indexOf(c)]) return;
  listChangePending_[fw::indexOf(c)] = true;
  postListChange(c);
}

void TForm1::postListChange(Category c) {
  QMetaObject::invokeMethod(
      this,
      [this, c] {
        bool& pending = listChangePending_[fw::indexOf(c)];
        // A handler still running posts it again when it ends.
        if (!pending || busy_) return;
        pending = false;
        switch (c) {
        case Category::Car: ComboBox1Change(); break;
        case Category::Bike: ComboBox2Change(); break;
        case Category::Boat: ComboBox3Change(); break;
        case Category::Helicopter: ComboBox4Change(); break;
        }
      },
      Qt::QueuedConnection);
}

void TForm1::connectControls() {
  auto click = [this](const char* name, void (TForm1::*handler)()) {
    connect(qobject_cast<QAbstractButton*>(controls_.value(QString::fromLatin1(name))),
            &QAbstractButton::clicked, this, handler);
  };
  click("RadioButton1", &TForm1::RadioButton1Click);
  click("RadioButton2", &TForm1::RadioButton2Click);
  click("RadioButton3", &TForm1::RadioButton3Click);
  click("RadioButton4", &TForm1::RadioButton4Click);
  click("Button1", &TForm1::Button1Click);
  click("Button2", &TForm1::Button2Click);
  click("Button3", &TForm1::Button3Click);
  click("Button4", &TForm1::Button4Click);
  click("Button5", &TForm1::Button5Click);
  click("Button6", &TForm1::Button6Click);
  click("Button7", &TForm1::Button7Click);
  click("Button8", &TForm1::Button8Click);
  click("Button9", &TForm1::Button9Click);
  click("Button12", &TForm1::Button12Click);
  click("Button13", &TForm1::Button13Click);
  click("Button14", &TForm1::Button14Click);

  // Picking an entry and editing the text both change a vehicle list; typing counts even when
  // the text ends as it was, which only the line edit tells.
  const std::array<const char*, 4> lists = {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"};
  for (Category c : fw::kCategories) {
    auto* box = qobject_cast<QComboBox*>(controls_.value(QString::fromLatin1(lists[fw::indexOf(c)])));
    auto changed = [this, c] { listChanged(c); };
    connect(box, &QComboBox::currentTextChanged, this, changed);
    connect(box, &QComboBox::editTextChanged, this, changed);
    connect(box->lineEdit(), &QLineEdit::textEdited, this, changed);
  }
}

void TForm1::RadioButton1Click() {
  run([this] { fw::selectCategory(state_, Category::Car); });
}
void TForm1::RadioButton2Click() {
  run([this] { fw::selectCategory(state_, Category::Bike); });
}
void TForm1::RadioButton3Click() {
  run([this] { fw::selectCategory(state_, Category::Boat); });
}
void TForm1::RadioButton4Click() {
  run([this] { fw::selectCategory(state_, Category::Helicopter); });
}

void TForm1::ComboBox1Change() {
  run([this] { fw::vehicleListChanged(state_); });
}
void TForm1::ComboBox2Change() {
  run([this] { fw::vehicleListChanged(state_); });
}
void TForm1::ComboBox3Change() {
  run([this] { fw::vehicleListChanged(state_); });
}
void TForm1::ComboBox4Change() {
  run([this] { fw::vehicleListChanged(state_); });
}

void TForm1::Button1Click() {
  run([this] { fw::lookup(state_, Category::Car); });
}
void TForm1::Button2Click() {
  run([this] { fw::lookup(state_, Category::Bike); });
}
void TForm1::Button3Click() {
  run([this] { fw::lookup(state_, Category::Boat); });
}
void TForm1::Button4Click() {
  run([this] { fw::lookup(state_, Category::Helicopter); });
}

void TForm1::Button5Click() {
  run([this] { fw::writeRecord(state_, FileKind::Handling, services()); });
}
void TForm1::Button6Click() {
  run([this] { fw::writeRecord(state_, FileKind::Vehicles, services()); });
}
void TForm1::Button7Click() {
  run([this] { fw::writeRecord(state_, FileKind::Carcols, services()); });
}

void TForm1::Button12Click() {
  run([this] { fw::restoreBackup(state_, FileKind::Handling, services()); });
}
void TForm1::Button13Click() {
  run([this] { fw::restoreBackup(state_, FileKind::Vehicles, services()); });
}
void TForm1::Button14Click() {
  run([this] { fw::restoreBackup(state_, FileKind::Carcols, services()); });
}

// The launchers read the program paths, never what the user typed in this window.
void TForm1::Button8Click() {
  run([this] { launch(state_.Edit14); }, Edits::Leave);
}
void TForm1::Button9Click() {
  run([this] { launch(state_.Edit15); }, Edits::Leave);
}

void TForm1::launch(const std::string& commandLine) {
  if (!fw::platform::launch(commandLine, fw::platform::currentDirectory()))
    dialogs_.message(this, QString::fromUtf8("Укажите в настройках путь к программе!"));
}
