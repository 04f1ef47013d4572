#include "main/Timestamp.h"

#include "windows/Text.h"

namespace fw {

QString withoutTimeZone(const QString& format) {
  QString out;
  bool quoted = false;
  for (qsizetype i = 0; i < format.size(); ++i) {
    QChar c = format[i];
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (quoted || c != QLatin1Char('t')) {
      out += c;
      continue;
    }
    while (out.endsWith(QLatin1Char(' ')))
      out.chop(1);
    while (i + 1 < format.size() && format[i + 1] == QLatin1Char('t'))
      ++i;
  }
  return out.trimmed();
}

QString backupTimestamp(const QDateTime& at, const QLocale& locale) {
  QString date = locale.toString(at.date(), QLocale::ShortFormat);
  if (at.time() == QTime(0, 0)) return date;
  return date + QLatin1Char(' ') +
         locale.toString(at.time(), withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

std::string backupTimestampBytes(const QDateTime& at, const QLocale& locale) {
  if (auto bytes = fromQString(backupTimestamp(at, locale))) return *bytes;
  return bytesOf(backupTimestamp(at, QLocale::c()));
}

} // namespace fw
