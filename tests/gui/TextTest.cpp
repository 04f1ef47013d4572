// Where bytes meet Qt text.
#include "windows/Text.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using fw::LineBuffer;

TEST(Text, tableAgreesWithIcuForEveryAssignedByte) {
  QStringDecoder icu("windows-1251");
  ASSERT_TRUE(icu.isValid()) << "Qt without ICU";
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    QString ours = fw::toQString(std::string_view(&byte, 1));
    if (b == 0x98) {
      EXPECT_EQ(ours, QString(QChar(0x98))) << "the unassigned byte keeps its value";
      continue;
    }
    QString theirs = icu.decode(QByteArrayView(&byte, 1));
    EXPECT_EQ(ours, theirs) << "byte " << b;
    EXPECT_EQ(fw::fromQString(ours), std::string(1, byte));
  }
}

TEST(Text, refusesCharactersOutsideTheCodePage) {
  EXPECT_FALSE(fw::fromQString(QString::fromUtf8("Ж and 中")));
  EXPECT_FALSE(fw::fromQString(QString::fromUtf8("é")));
  EXPECT_EQ(fw::fromQString(QString::fromUtf8("Жук №5")), std::string("\xC6\xF3\xEA \xB9"
                                                                      "5"));
}

TEST(Text, multiLineFieldsRoundTrip) {
  for (const LineBuffer& lines : {LineBuffer{""}, LineBuffer{"a", "", "\xE0"}, LineBuffer{"x", ""}}) {
    EXPECT_EQ(fw::splitLines(fw::joinLines(lines)), lines);
  }
  EXPECT_EQ(fw::joinLines(LineBuffer{"a", "b"}), QStringLiteral("a\nb"));
}

TEST(Text, messagesShowSystemPathsAndCodePageTextAlike) {
  // "Cannot open file /игры/x": the start directory as Linux reports it, in UTF-8.
  const std::string utf8Path = "Cannot open file /\xD0\xB8\xD0\xB3\xD1\x80\xD1\x8B/x";
  const std::string cp1251 = "\xD1\xF2\xF0\xEE\xEA\xE0"; // "Строка"
  EXPECT_EQ(fw::messageText(cp1251), QString::fromUtf8("Строка"));
  EXPECT_EQ(fw::messageText("plain"), QStringLiteral("plain"));
#ifdef _WIN32
  EXPECT_EQ(fw::messageText(utf8Path), fw::toQString(utf8Path));
#else
  EXPECT_EQ(fw::messageText(utf8Path), QString::fromUtf8("Cannot open file /игры/x"));
#endif
}
