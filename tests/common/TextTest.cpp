// Bytes and numbers: the line buffer, the Windows-1251 table and the integer conversion.
#include "TempFolder.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/Integer.h"
#include "common/LineBuffer.h"
#include "platform/Console.h"

#include <gtest/gtest.h>

using fw::LineBuffer;

TEST(LineBuffer, splitsAtEveryKindOfLineEndAndSavesCrLf) {
  const std::pair<const char*, LineBuffer> cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},   {"a\nb", {"a", "b"}},        {"a\rb\r", {"a", "b"}},
      {"a\r\r\nb", {"a", "", "b"}}, {"\r\n\n", {"", ""}},        {"", {}},
      {"a\n\rb", {"a", "", "b"}},   {"\xE0\x98\n", {"\xE0\x98"}}};
  for (const auto& [bytes, lines] : cases) {
    EXPECT_EQ(LineBuffer::fromBytes(std::string(bytes)), lines) << bytes;
    EXPECT_EQ(LineBuffer::fromBytes(lines.toBytes()), lines) << bytes;
  }
  EXPECT_EQ((LineBuffer{"a", ""}).toBytes(), "a\r\n\r\n");
  EXPECT_EQ(LineBuffer{"a"}.at(-1), "") << "outside reads as empty";
  EXPECT_EQ(LineBuffer{"a"}.at(1), "") << "outside reads as empty";
  LineBuffer one{"a"};
  one.erase(1);
  EXPECT_EQ(one, LineBuffer{"a"}) << "erasing outside changes nothing";
}

TEST(Cp1251, everyByteRoundTripsAndUnicodeOutsideIsRefused) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  const std::u16string wide = fw::cp1251::decode(all);
  const std::pair<int, char16_t> decoded[] = {{0x41, u'A'},      {0x80, u'Ђ'}, {0x81, u'\u0403'},
                                              {0x98, u'\u0098'}, {0xA8, u'Ё'}, {0xC0, u'А'},
                                              {0xFF, u'я'}};
  for (auto [byte, unicode] : decoded)
    EXPECT_EQ(static_cast<int>(wide.at(byte)), static_cast<int>(unicode)) << byte;
  EXPECT_EQ(fw::cp1251::encode(wide), all);
  // What the code page lacks is one '?' each, noted where it stands: a surrogate pair is one character.
  const fw::cp1251::Marked marked = fw::cp1251::encodeMarked(u"a\U0001F600\u0431\u4E2D");
  EXPECT_EQ(marked.bytes, "a?\xE1?");
  EXPECT_EQ(marked.lacking, (std::vector<std::pair<std::size_t, char32_t>>{{1, 0x1F600}, {3, 0x4E2D}}));
  EXPECT_EQ(fw::cp1251::fromUtf8(fw::cp1251::toUtf8(all)), all);
  for (const char* bad : {"中", "\xF0\x9F\x98\x80", "\xD0", "\xE2\x82", "\xD0\x41", "\x80"})
    EXPECT_THROW(fw::cp1251::fromUtf8(bad), std::invalid_argument) << bad;
}

TEST(Integer, takesSignedDecimalsInRangeOnly) {
  const std::pair<const char*, int> valid[] = {
      {"0", 0}, {"+42", 42}, {"-7", -7}, {"007", 7}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}};
  for (auto [text, value] : valid)
    EXPECT_EQ(fw::toInteger(text), value) << text;
  for (const char* bad : {"", "-", " 1", "1 ", "1a", "--1", "+-1", "2147483648", "-2147483649", "Edit1"}) {
    try {
      ADD_FAILURE() << fw::toInteger(bad);
    } catch (const fw::Error& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
  // A message box's text ends in a dot; a path in it is UTF-8, the rest Windows-1251.
  EXPECT_EQ(fw::utf8Message(fw::Error("\xC6", "/игра", "").withFullStop()), "Ж/игра.");
  EXPECT_EQ(fw::utf8Message(fw::cannotOpen("/x.").withFullStop()), "Cannot open file /x.");
}

#ifndef _WIN32
// A locale of another code set than UTF-8 writes a Japanese date in bytes no front end could show.
TEST(Timestamp, isNoneWhereTheLocalesCodeSetIsNotUtf8AndItsDateLeavesAscii) {
  const fw::test::TempFolder locales;
  if (std::system(("localedef -i ja_JP -f EUC-JP '" + locales.str() + "/ja' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "no locale sources to make ja_JP.EUC-JP from";
  setenv("LOCPATH", locales.str().c_str(), 1), setenv("LC_ALL", "ja", 1);
  const auto stamp = fw::platform::userTimestamp({2026, 12, 6, 10, 0, 0, 0});
  unsetenv("LOCPATH"), setenv("LC_ALL", "C.UTF-8", 1); // as the tests run
  EXPECT_FALSE(stamp) << *stamp;
}
#endif
