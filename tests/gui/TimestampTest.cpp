// The backup timestamp: the locale's short date and long time, without a time zone, and the date
// alone at midnight.
#include "main/Timestamp.h"
#include "windows/Text.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(Timestamp, timeZoneFieldsLeaveTheFormat) {
  const struct {
    const char* format;
    const char* expected;
  } cases[] = {
      {"HH:mm:ss t", "HH:mm:ss"},
      {"h:mm:ss AP t", "h:mm:ss AP"},
      {"t HH:mm:ss", "HH:mm:ss"},
      {"HH:mm:ss tttt", "HH:mm:ss"},
      {"HH:mm:ss", "HH:mm:ss"},
      {"H 'at' mm", "H 'at' mm"},
      {"HH:mm:ss 'time' t", "HH:mm:ss 'time'"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(withoutTimeZone(QString::fromLatin1(c.format)), QString::fromLatin1(c.expected)) << c.format;
}

TEST(Timestamp, dateAndTimeAsTheLocaleWritesThem) {
  const QDateTime afternoon(QDate(2024, 12, 6), QTime(13, 5, 9));
  EXPECT_EQ(backupTimestamp(afternoon, QLocale(QLocale::Russian, QLocale::Russia)),
            QStringLiteral("06.12.2024 13:05:09"));
  EXPECT_EQ(backupTimestamp(afternoon, QLocale(QLocale::German, QLocale::Germany)),
            QStringLiteral("06.12.24 13:05:09"));
}

TEST(Timestamp, midnightIsTheDateAlone) {
  const QDate day(2024, 2, 29);
  for (const QLocale& locale : {QLocale(QLocale::Russian, QLocale::Russia),
                                QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
    SCOPED_TRACE(locale.name().toStdString());
    EXPECT_EQ(backupTimestamp(QDateTime(day, QTime(0, 0)), locale),
              locale.toString(day, QLocale::ShortFormat));
    const QString oneMsLater = backupTimestamp(QDateTime(day, QTime(0, 0, 0, 1)), locale);
    EXPECT_TRUE(oneMsLater.startsWith(locale.toString(day, QLocale::ShortFormat) + QLatin1Char(' ')))
        << oneMsLater.toStdString();
  }
}

TEST(Timestamp, noTimeZoneInAnyLocale) {
  const QDateTime at(QDate(2024, 7, 1), QTime(9, 41, 30), QTimeZone("Europe/Moscow"));
  for (const QLocale& locale :
       {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Russian, QLocale::Russia),
        QLocale(QLocale::French, QLocale::France)}) {
    const QString stamp = backupTimestamp(at, locale);
    SCOPED_TRACE(stamp.toStdString());
    EXPECT_FALSE(stamp.contains(QStringLiteral("MSK")));
    EXPECT_FALSE(stamp.contains(QStringLiteral("+03")));
    EXPECT_FALSE(stamp.contains(QStringLiteral("GMT")));
    EXPECT_TRUE(stamp.contains(QStringLiteral("41")) && stamp.contains(QStringLiteral("30")));
  }
}

TEST(Timestamp, aLocaleTheCodePageCannotWriteFallsBackToTheCLocale) {
  const QDateTime at(QDate(2024, 12, 6), QTime(13, 5, 9));
  for (const QLocale& locale :
       {QLocale(QLocale::Korean, QLocale::SouthKorea), QLocale(QLocale::Arabic, QLocale::Egypt)}) {
    SCOPED_TRACE(locale.name().toStdString());
    ASSERT_FALSE(fromQString(backupTimestamp(at, locale))) << "the case needs a locale outside the code page";
    EXPECT_EQ(backupTimestampBytes(at, locale), bytesOf(backupTimestamp(at, QLocale::c())));
  }
  const QLocale russian(QLocale::Russian, QLocale::Russia);
  EXPECT_EQ(backupTimestampBytes(at, russian), bytesOf(backupTimestamp(at, russian)));
}

} // namespace
} // namespace fw
