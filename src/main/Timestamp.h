// The backup timestamp: the local date and time as the system renders them, as the dated backup
// lists have always carried it.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <string>

namespace fw {

// The locale's short date, a blank and its long time without a time-zone part; at midnight
// exactly, the short date alone.
QString backupTimestamp(const QDateTime& at, const QLocale& locale);

// A time format with its time-zone fields ("t" runs outside quotes) and the blanks before them
// removed.
QString withoutTimeZone(const QString& format);

// backupTimestamp as Windows-1251 bytes; a locale whose rendering the code page cannot hold
// falls back to the C locale's.
std::string backupTimestampBytes(const QDateTime& at, const QLocale& locale);

} // namespace fw
