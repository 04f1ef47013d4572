// The window's words for the form check's findings: the program's own short Russian texts.
#pragma once

#include "form/LineCheck.h"

#include <QString>

namespace fw {

// "ошибка: поле L: «abc» — не число", without the file and line.
QString describe(const form::Finding& f);
// "handling.dat:123: " and the finding.
QString located(const form::Finding& f);
// An input row's verdict: "Верно: значений 36 из 36", or the first finding and how many follow.
QString verdictText(const form::Verdict& v);

} // namespace fw
