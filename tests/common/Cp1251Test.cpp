#include "common/Cp1251.h"

#include <gtest/gtest.h>

namespace cp = fw::cp1251;

TEST(Cp1251, everyByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  std::u16string wide = cp::decode(all);
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(wide[0x98], u'\u0098');
  EXPECT_EQ(cp::encode(wide), all);
}

TEST(Cp1251, knownLetters) {
  EXPECT_EQ(cp::decode("\xC0\xFF\xA8\xB8\xB9"), u"\u0410\u044F\u0401\u0451\u2116");
  EXPECT_EQ(cp::fromUtf8("Выход"), "\xC2\xFB\xF5\xEE\xE4");
  EXPECT_EQ(cp::toUtf8("\xC2\xFB\xF5\xEE\xE4"), "Выход");
}

TEST(Cp1251, refusesWhatItCannotHold) {
  EXPECT_FALSE(cp::encode(u"ok \u4E2D").has_value());
  EXPECT_FALSE(cp::encode(u"\u00E9").has_value());
  EXPECT_THROW(cp::fromUtf8("\xE4\xB8\xAD"), std::invalid_argument);
}
