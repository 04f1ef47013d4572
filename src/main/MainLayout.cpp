#include "main/MainLayout.h"

#include "windows/ElidedLabel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>

#include <array>

namespace fw::layout {
namespace {

using K = Kind;

// Places are those of the design at 96 dots per inch; Qt scales them on high-DPI screens.
constexpr std::array kControls = {
    Control{"GroupBox1", K::GroupBox, nullptr, 8, 8, 233, 105, "Что заменить? "},
    Control{"RadioButton1", K::RadioButton, "GroupBox1", 8, 16, 48, 17, "Авто"},
    Control{"RadioButton2", K::RadioButton, "GroupBox1", 56, 16, 48, 17, "Байк"},
    Control{"RadioButton3", K::RadioButton, "GroupBox1", 104, 16, 56, 17, "Лодку"},
    Control{"RadioButton4", K::RadioButton, "GroupBox1", 160, 16, 65, 17, "Авиа"},
    Control{"ComboBox1", K::ComboBox, "GroupBox1", 8, 40, 217, 21, nullptr},
    Control{"ComboBox2", K::ComboBox, "GroupBox1", 8, 40, 217, 21, nullptr},
    Control{"ComboBox3", K::ComboBox, "GroupBox1", 8, 40, 217, 21, nullptr},
    Control{"ComboBox4", K::ComboBox, "GroupBox1", 8, 40, 217, 21, nullptr},
    Control{"Button1", K::Button, "GroupBox1", 8, 64, 75, 25, "ОК"},
    Control{"Button2", K::Button, "GroupBox1", 8, 64, 75, 25, "ОК"},
    Control{"Button3", K::Button, "GroupBox1", 8, 64, 75, 25, "ОК"},
    Control{"Button4", K::Button, "GroupBox1", 8, 64, 75, 25, "ОК"},

    Control{"GroupBox5", K::GroupBox, nullptr, 248, 48, 273, 65, "Быстрый старт "},
    Control{"Button8", K::Button, "GroupBox5", 24, 24, 105, 25, "Запустить Crateview"},
    Control{"Button9", K::Button, "GroupBox5", 136, 24, 105, 25, "Запустить Velmora"},

    Control{"Memo4", K::Log, nullptr, 8, 120, 513, 169, nullptr},
    Control{"Label1", K::RedLabel, nullptr, 8, 296, 0, 0, nullptr},

    Control{"GroupBox2", K::GroupBox, nullptr, 8, 312, 513, 65, "handling "},
    Control{"Edit2", K::Edit, "GroupBox2", 8, 16, 409, 21, nullptr},
    Control{"Button5", K::Button, "GroupBox2", 424, 16, 75, 21, "ОК"},
    Control{"Label2", K::Label, "GroupBox2", 8, 40, 0, 0, nullptr},
    Control{"handlingVerdict", K::Verdict, "GroupBox2", 96, 0, 403, 14, nullptr}, // beside the caption
    Control{"GroupBox3", K::GroupBox, nullptr, 8, 384, 513, 65, "vehicles "},
    Control{"Edit3", K::Edit, "GroupBox3", 8, 16, 409, 21, nullptr},
    Control{"Button6", K::Button, "GroupBox3", 424, 16, 75, 21, "ОК"},
    Control{"Label3", K::Label, "GroupBox3", 8, 40, 0, 0, nullptr},
    Control{"vehiclesVerdict", K::Verdict, "GroupBox3", 96, 0, 403, 14, nullptr}, // beside the caption
    Control{"GroupBox4", K::GroupBox, nullptr, 8, 456, 513, 65, "carcols "},
    Control{"Edit4", K::Edit, "GroupBox4", 8, 16, 409, 21, nullptr},
    Control{"Button7", K::Button, "GroupBox4", 424, 16, 75, 21, "ОК"},
    Control{"Label4", K::Label, "GroupBox4", 8, 40, 0, 0, nullptr},
    Control{"carcolsVerdict", K::Verdict, "GroupBox4", 96, 0, 403, 14, nullptr}, // beside the caption
    Control{"Label5", K::RedLabel, "GroupBox4", 320, 17, 0, 0, nullptr},

    Control{"PageControl1", K::PageControl, nullptr, 528, 8, 321, 513, nullptr},
    Control{"TabSheet1", K::Page, "PageControl1", 0, 0, 0, 0, "handling.dat"},
    Control{"Label9", K::Label, "TabSheet1", 8, 0, 0, 0, "Выберите строку для восстановления:"},
    Control{"ComboBox5", K::ComboBox, "TabSheet1", 8, 16, 209, 21, nullptr},
    Control{"Button12", K::Button, "TabSheet1", 224, 16, 81, 21, "Восстановить"},
    Control{"Label10", K::Label, "TabSheet1", 8, 40, 0, 0, "Список созданных  копий:"},
    Control{"Memo6", K::Memo, "TabSheet1", 8, 56, 297, 417, nullptr},
    Control{"TabSheet2", K::Page, "PageControl1", 0, 0, 0, 0, "vehicles.ide"},
    Control{"Label11", K::Label, "TabSheet2", 8, 0, 0, 0, "Выберите строку для восстановления:"},
    Control{"ComboBox6", K::ComboBox, "TabSheet2", 8, 16, 209, 21, nullptr},
    Control{"Button13", K::Button, "TabSheet2", 224, 16, 81, 21, "Восстановить"},
    Control{"Label12", K::Label, "TabSheet2", 8, 40, 0, 0, "Список созданных  копий:"},
    Control{"Memo7", K::Memo, "TabSheet2", 8, 56, 297, 417, nullptr},
    Control{"TabSheet3", K::Page, "PageControl1", 0, 0, 0, 0, "carcols.dat"},
    Control{"Label13", K::Label, "TabSheet3", 8, 0, 0, 0, "Выберите строку для восстановления:"},
    Control{"ComboBox7", K::ComboBox, "TabSheet3", 8, 16, 209, 21, nullptr},
    Control{"Button14", K::Button, "TabSheet3", 224, 16, 81, 21, "Восстановить"},
    Control{"Label14", K::Label, "TabSheet3", 8, 40, 0, 0, "Список созданных  копий:"},
    Control{"Memo8", K::Memo, "TabSheet3", 8, 56, 297, 417, nullptr},
};

QWidget* create(const Control& c, QWidget* parent) {
  const QString caption = c.caption ? QString::fromUtf8(c.caption) : QString();
  switch (c.kind) {
  case K::GroupBox: return new QGroupBox(caption, parent);
  case K::RadioButton: return new QRadioButton(caption, parent);
  case K::Button: return new QPushButton(caption, parent);
  case K::Edit: return new QLineEdit(parent);
  case K::PageControl: return new QTabWidget(parent);
  case K::Page: {
    auto* page = new QWidget;
    static_cast<QTabWidget*>(parent)->addTab(page, caption);
    return page;
  }
  case K::ComboBox: {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // Typed text is a value of its own: it never becomes an entry of the list, and no completion
    // turns it into one (a vehicle name matches case-sensitively, a backup name is a file name).
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(8);
    return combo;
  }
  case K::Verdict: {
    auto* label = new ElidedLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
  }
  case K::Label:
  case K::RedLabel: {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    // The carcols row's red label lies over its input field: a caption never takes a field's click.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (c.kind == K::RedLabel) {
      label->setFont(redLabelFont());
      QPalette red = label->palette();
      red.setColor(QPalette::WindowText, Qt::red);
      label->setPalette(red);
    }
    return label;
  }
  case K::Log:
  case K::Memo: {
    auto* memo = new QPlainTextEdit(parent);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (c.kind == K::Log) {
      memo->setReadOnly(true);
      QPalette colours = memo->palette();
      colours.setColor(QPalette::Base, Qt::black);
      colours.setColor(QPalette::Text, QColor(0, 255, 0));
      memo->setPalette(colours);
    }
    return memo;
  }
  }
  return nullptr;
}

} // namespace

std::span<const Control> controls() { return kControls; }

QFont programFont() {
  // Always the font the program carries (registered at start-up), never the machine's own: the
  // captions were placed for narrow glyphs like these, and wider ones (DejaVu Sans, Tahoma under
  // Wine) clip them. Liberation Sans has Arial's metrics on every system.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  // Glyphs keep their designed widths: full hinting widens them by a pixel here and there.
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setPointSize(8);
  return font;
}

QFont redLabelFont() {
  QFont font = programFont();
  font.setPointSize(10);
  font.setBold(true);
  return font;
}

QHash<QString, QWidget*> build(QWidget* client) {
  QHash<QString, QWidget*> byName;
  for (const Control& c : kControls) {
    QWidget* parent = c.parent ? byName.value(QString::fromLatin1(c.parent)) : client;
    QWidget* w = create(c, parent);
    const QString name = QString::fromLatin1(c.name);
    w->setObjectName(name);
    if (c.kind != K::Page) {
      if (c.w > 0)
        w->setGeometry(c.x, c.y, c.w, c.h);
      else {
        w->adjustSize();
        w->move(c.x, c.y);
      }
    }
    byName.insert(name, w);
  }
  return byName;
}

} // namespace fw::layout
