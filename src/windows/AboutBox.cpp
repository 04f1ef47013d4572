#include "windows/AboutBox.h"

#include "windows/ViewerWindow.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

struct Line {
  const char* name;
  int x, y;
  const char* text; // UTF-8
};

constexpr Line kLines[] = {
    {"Label1", 8, 8, "Fleetwick v1.1"},
    {"Label2", 8, 32, "Многим, как и мне, не нравится каждый раз, когда в игру"},
    {"Label3", 8, 48, "добавляется новая машина, открывать вручную три файла,"},
    {"Label4", 8, 64, "искать в них нужные строки и заменять их. Поэтому я и"},
    {"Label5", 8, 80, "написал эту программу, чтобы хоть немного"},
    {"Label6", 8, 96, "автоматизировать этот процесс."},
    {"Label10", 8, 112, "Все вопросы, замечания и пожелания присылайте на e-mail:"},
    {"Label11", 320, 128, "fw@fw.test"},
    {"Label14", 8, 152, "Спасибо всем, кто собрал большую коллекцию машин!"},
    {"Label15", 336, 168, "Fleetwick"},
};

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("О программе"));
  setFixedSize(400, 191);
  fw::placeWindow(this, size(), fw::SizeOf::Client, std::nullopt);
  for (const Line& line : kLines) {
    auto* label = new QLabel(QString::fromUtf8(line.text), this);
    label->setObjectName(QLatin1String(line.name));
    label->adjustSize();
    label->move(line.x, line.y);
  }
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
