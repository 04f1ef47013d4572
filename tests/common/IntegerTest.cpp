#include "common/Integer.h"
#include "common/Errors.h"

#include <gtest/gtest.h>

TEST(Integer, convertsDecimalText) {
  EXPECT_EQ(fw::toInteger("0"), 0);
  EXPECT_EQ(fw::toInteger("407"), 407);
  EXPECT_EQ(fw::toInteger("-3"), -3);
  EXPECT_EQ(fw::toInteger("+12"), 12);
  EXPECT_EQ(fw::toInteger("2147483647"), 2147483647);
  EXPECT_EQ(fw::toInteger("-2147483648"), -2147483647 - 1);
}

TEST(Integer, refusesEverythingElseWithTheFieldText) {
  for (const char* text : {"", "Edit13", "admiral,", " 1", "1 ", "1.0", "0x10", "-", "+", "2147483648",
                           "-2147483649", "99999999999999999999", "1e3", "--1"}) {
    try {
      fw::toInteger(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const fw::Error& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(Errors, standardTextsAndTheBoxFullStop) {
  EXPECT_STREQ(fw::cannotOpen("common//data//handling.dat").what(),
               "Cannot open file common//data//handling.dat");
  EXPECT_STREQ(fw::cannotCreate("/g\\fleetwick.ini").what(), "Cannot create file /g\\fleetwick.ini");
  EXPECT_EQ(fw::boxText("Cannot open file x"), "Cannot open file x.");
  EXPECT_EQ(fw::boxText("ends."), "ends.");
  EXPECT_EQ(fw::boxText(""), ".");
}
