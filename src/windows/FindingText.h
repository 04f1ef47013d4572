// The window's words for the form check's findings: the program's own short Russian texts.
#pragma once

#include "form/LineCheck.h"

#include <QColor>
#include <QString>

namespace fw {

// "ошибка: поле L: «abc» — не число", without the file and line.
QString describe(const form::Finding& f);
// "handling.dat:123: " and the finding.
QString located(const form::Finding& f);
// An input row's verdict: "Верно: значений 36 из 36", or the first finding and how many follow.
QString verdictText(const form::Verdict& v);

class ElidedLabel;

// A verdict as the windows show it: its words, in green, orange for warnings or red for errors.
struct ShownVerdict {
  QString text; // none where nothing is typed or the row is closed
  QColor colour{0, 128, 0};
};
ShownVerdict shownVerdict(const form::Verdict& v);
// The verdict on a text that holds characters Windows-1251 lacks, which no check can read.
ShownVerdict outsideCodePage();
// Into the label, its tooltip and its description for screen readers.
void showVerdict(ElidedLabel* label, const ShownVerdict& v);

} // namespace fw
