#include "windows/FindingText.h"

#include "common/FileKinds.h"
#include "windows/ElidedLabel.h"
#include "windows/Text.h"

#include <algorithm>

namespace fw {
namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

QString what(const form::Finding& f) {
  using P = form::Problem;
  const QString found = toQString(f.found), expected = toQString(f.expected);
  const QString quoted = u("«") + found + u("»");
  switch (f.problem) {
  case P::FieldCount: return u("значений %1 из %2").arg(found, expected);
  case P::Comma: return u("запятая в %1: значения разделяют пробелы").arg(quoted);
  case P::NotANumber: return u("%1 — не число").arg(quoted);
  case P::Unreadable: return u("в %1 слишком много цифр, число не прочесть").arg(quoted);
  case P::NotHexadecimal: return u("%1 — не шестнадцатеричное число").arg(quoted);
  case P::NotWhole: return u("%1 — не целое число").arg(quoted);
  case P::Empty: return u("пусто");
  case P::UnknownType: return u("тип %1 — не из %2").arg(quoted, expected);
  case P::UnknownHandling: return u("в handling.dat нет строки %1").arg(found);
  case P::BeyondColourTable: return u("цвета %1 нет в таблице из %2 цветов").arg(found, expected);
  case P::PartCombination: return u("индексов %1, а в сочетании их %2").arg(found, expected);
  case P::TooManyCombinations: return u("сочетаний %1, а можно не больше %2").arg(found, expected);
  case P::NotUpperCase: return u("%1 — не заглавными буквами").arg(quoted);
  case P::TooLong: return u("%1 длиннее %2 знаков").arg(quoted, expected);
  case P::UnknownSection: return u("%1 — не раздел этого файла (%2)").arg(quoted, expected);
  case P::OutsideSection: return u("строка вне разделов файла (%1)").arg(expected);
  case P::MissingEnd: return u("раздел %1 не закрыт словом end").arg(found);
  case P::OutOfRange:
    return u("%1 вне диапазона от %2 до %3")
        .arg(found, expected.section(u(".."), 0, 0), expected.section(u(".."), 1));
  case P::NameTypedAgain: return u("начинается с %1, а это название программа добавит сама").arg(found);
  }
  return {};
}

} // namespace

QString describe(const form::Finding& f) {
  const QString field = f.field.empty() ? QString() : u("поле ") + toQString(f.field) + u(": ");
  return (f.severity == form::Severity::Error ? u("ошибка: ") : u("внимание: ")) + field + what(f);
}

QString located(const form::Finding& f) {
  return QString::fromLatin1(kindInfo(f.file).fileName) + u(":") + QString::number(f.line) + u(": ") +
         describe(f);
}

QString verdictText(const form::Verdict& v) {
  if (v.findings.empty()) {
    if (v.needed) return u("Верно: значений %1 из %2").arg(v.values).arg(v.needed);
    return u("Верно: сочетаний цветов %1").arg(v.group ? v.values / v.group : v.values);
  }
  QString first = describe(v.findings.front());
  first[0] = first[0].toUpper();
  if (v.findings.size() > 1) first += u(" (и ещё %1)").arg(v.findings.size() - 1);
  return first;
}

ShownVerdict shownVerdict(const form::Verdict& v) {
  const auto error = [](const form::Finding& f) { return f.severity == form::Severity::Error; };
  if (v.findings.empty()) return {verdictText(v)};
  const bool errors = std::any_of(v.findings.begin(), v.findings.end(), error);
  return {verdictText(v), errors ? QColor(Qt::red) : QColor(170, 85, 0)};
}

ShownVerdict outsideCodePage() {
  return {u("Ошибка: символы, которых нет в кодировке Windows-1251"), QColor(Qt::red)};
}

void showVerdict(ElidedLabel* label, const ShownVerdict& v) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, v.colour);
  label->setPalette(palette);
  label->setFullText(v.text);
  label->setToolTip(v.text);
  label->setAccessibleDescription(v.text);
}

} // namespace fw
