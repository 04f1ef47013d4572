#include "windows/Unit6.h"

#include "windows/Viewer.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

QLabel* label(QWidget* parent, const char* name, int x, int y, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  QFont small = l->font();
  small.setPointSize(8);
  l->setFont(small);
  l->adjustSize();
  l->move(x, y);
  return l;
}

} // namespace

TForm6::TForm6(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("О программе"));
  setFixedSize(400, 191);
  fw::placeWindow(this, size(), fw::SizeOf::Client, std::nullopt);

  Label1 = label(this, "Label1", 8, 8, QStringLiteral("Fleetwick v1.1"));
  Label2 =
      label(this, "Label2", 8, 32, QStringLiteral("Многим, как и мне, не нравится каждый раз, когда в игру"));
  Label3 =
      label(this, "Label3", 8, 48, QStringLiteral("добавляется новая машина, открывать вручную три файла,"));
  Label4 =
      label(this, "Label4", 8, 64, QStringLiteral("искать в них нужные строки и заменять их. Поэтому я и"));
  Label5 = label(this, "Label5", 8, 80, QStringLiteral("написал эту программу, чтобы хоть немного"));
  Label6 = label(this, "Label6", 8, 96, QStringLiteral("автоматизировать этот процесс."));
  Label10 = label(this, "Label10", 8, 112,
                  QStringLiteral("Все вопросы, замечания и пожелания присылайте на e-mail:"));
  Label11 = label(this, "Label11", 320, 128, QStringLiteral("fw@fw.test"));
  Label14 =
      label(this, "Label14", 8, 152, QStringLiteral("Спасибо всем, кто собрал большую коллекцию машин!"));
  Label15 = label(this, "Label15", 336, 168, QStringLiteral("Fleetwick"));
}

void TForm6::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
