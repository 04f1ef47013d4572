// Lookups over small buffers built for each case.
#include "records/Lookup.h"
#include "Printers.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "records/CategorySwitch.h"

#include <gtest/gtest.h>

using fw::Category;
using fw::FileKind;
using fw::LineBuffer;
using fw::MainState;

namespace {

std::string u(const char* utf8) { return fw::cp1251::fromUtf8(utf8); }

MainState stateWith(LineBuffer handling, LineBuffer vehicles, LineBuffer carcols) {
  MainState s;
  s.Memo1 = std::move(handling);
  s.Memo2 = std::move(vehicles);
  s.Memo3 = std::move(carcols);
  return s;
}

void lookUp(MainState& s, Category c, const std::string& text) {
  s.vehicleList(c).Text = text;
  fw::lookup(s, c);
}

std::string errorOf(MainState& s, Category c, const std::string& text) {
  try {
    lookUp(s, c, text);
  } catch (const fw::Error& e) {
    return e.what();
  }
  return "no error";
}

struct Rows {
  bool handling, vehicles, carcols;
};

void expectRows(const MainState& s, Rows r) {
  EXPECT_EQ(s.Edit2.Enabled, r.handling);
  EXPECT_EQ(s.Button5.Enabled, r.handling);
  EXPECT_EQ(s.Button12.Enabled, r.handling);
  EXPECT_EQ(s.Edit3.Enabled, r.vehicles);
  EXPECT_EQ(s.Button6.Enabled, r.vehicles);
  EXPECT_EQ(s.Button13.Enabled, r.vehicles);
  EXPECT_EQ(s.Edit4.Enabled, r.carcols);
  EXPECT_EQ(s.Button7.Enabled, r.carcols);
  EXPECT_EQ(s.Button14.Enabled, r.carcols);
}

const LineBuffer kCarsIde{"# models",
                          "cars",
                          "admiral, admiral, car",
                          "burrito,\tburrito, car",
                          "burrito2, burrito2, car",
                          "feroci, feroci, car",
                          "feroci2, feroci2, car",
                          "manana, manana, car",
                          "end",
                          "txdp",
                          "end"};
const LineBuffer kCarsCols{"col",       "end",        "admiral, 1,1", "burrito, 2,2", "burrito2, 3,3",
                           "feroci, 4", "feroci2, 5", "manana, 6",    "car4",         "futo, 1,2,3,4"};
const LineBuffer kCarsHandling{"; ADMIRAL in a comment",
                               "ADMIRAL 1.0",
                               "BURRITO 2.0",
                               "BURRITO2 2.1",
                               "FEROCI 3.0",
                               "MANANA  4.0",
                               "MANANAX 4.1",
                               "FUTO 5.0",
                               "CONTENDER 6",
                               ";------- bikes",
                               "ADMIRAL after the marker"};

} // namespace

TEST(CarLookup, findsEachFileAndWritesTheHints) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  lookUp(s, Category::Car, "ADMIRAL");
  EXPECT_EQ(s.Label1, "ADMIRAL");
  EXPECT_EQ(s.Edit13, "9");
  EXPECT_EQ(s.Edit1, "1") << "the line after the marker is never found";
  EXPECT_EQ(s.Edit7, "admiral");
  EXPECT_EQ(s.Edit11, "9");
  EXPECT_EQ(s.Edit5, "2");
  EXPECT_EQ(s.Edit12, "8");
  EXPECT_EQ(s.Edit6, "2");
  expectRows(s, {true, true, true});
  EXPECT_EQ(s.Label2, u("Вводите сразу значения для автомобиля, без ADMIRAL и пробела перед первым числом!"));
  EXPECT_EQ(s.Label3, u("Вводите сразу значения для автомобиля, без admiral, admiral,"));
  EXPECT_EQ(s.Label4, u("Вводите сразу значения для автомобиля, без admiral,"));
  EXPECT_EQ(s.Memo4, LineBuffer{""}) << "a lookup that finds everything logs nothing";
}

TEST(CarLookup, variantCorrectionStepsBackToTheBase) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  lookUp(s, Category::Car, "BURRITO");
  EXPECT_EQ(s.Edit1, "2");
  EXPECT_EQ(s.Edit5, "3");
  EXPECT_EQ(s.Edit6, "3");
  lookUp(s, Category::Car, "BURRITO2");
  EXPECT_EQ(s.Edit1, "3");
  EXPECT_EQ(s.Edit5, "4");
  EXPECT_EQ(s.Edit6, "4");
}

TEST(CarLookup, aLaterVehicleHoldingTheNameIsNotTaken) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  lookUp(s, Category::Car, "FEROCI");
  EXPECT_EQ(s.Edit5, "5") << "feroci2's line holds 'feroci' too";
  EXPECT_EQ(s.Edit6, "5");
  expectRows(s, {true, true, true});
}

TEST(CarLookup, mananaIsSearchedWithItsBlank) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  lookUp(s, Category::Car, "MANANA ");
  EXPECT_EQ(s.Edit1, "5");
  EXPECT_EQ(s.Edit7, "manana");
  EXPECT_TRUE(s.Records[0].Found);
  EXPECT_EQ(s.Records[0].Key, "MANANA");

  lookUp(s, Category::Car, "ADMIRAL");
  lookUp(s, Category::Car, "MANANA");
  EXPECT_EQ(s.Edit1, "5") << "the scan ends on MANANAX; the check takes MANANA's own line";
  EXPECT_TRUE(s.Records[0].Found);
  EXPECT_EQ(s.Edit7, "admiral") << "typed text that is no entry leaves the model name";
  expectRows(s, {true, false, false});
  EXPECT_EQ(s.Memo4, (LineBuffer{"", u("В vehicles.ide не найдена строка MANANA..."),
                                 u("В carcols.dat не найдена строка MANANA...")}))
      << "never the previous vehicle's model name";
}

TEST(CarLookup, matchingIsCaseSensitive) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  lookUp(s, Category::Car, "burrito");
  EXPECT_EQ(s.Edit1, "Edit1") << "no line holds 'burrito' and no correction applies";
  expectRows(s, {false, false, false});
  EXPECT_EQ(s.Memo4.size(), 4u);
  EXPECT_EQ(s.Memo4.at(1), u("В handling.dat не найдена строка burrito..."));
}

TEST(CarLookup, emptyTextMatchesNothing) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  lookUp(s, Category::Car, "");
  EXPECT_EQ(s.Label1, "");
  EXPECT_EQ(s.Label2, u("Вводите сразу значения для автомобиля, без  и пробела перед первым числом!"));
  expectRows(s, {false, false, false});
}

TEST(CarLookup, handlingOnlyEntryOffersOnlyItsHandlingRow) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  lookUp(s, Category::Car, "ADMIRAL");
  s.PageControl1 = 2;
  lookUp(s, Category::Car, "CONTENDER");
  EXPECT_EQ(s.Edit1, "8");
  EXPECT_EQ(s.Edit7, "admiral") << "the model name of the previous lookup stays";
  expectRows(s, {true, false, false});
  EXPECT_EQ(s.PageControl1, 0);
  EXPECT_FALSE(s.Records[1].Found);
  EXPECT_FALSE(s.Records[2].Found);
  EXPECT_EQ(s.Memo4, LineBuffer{""}) << "not offered is no miss";
}

TEST(CarLookup, carcolsLineAfterCar4IsAMissForThatFileOnly) {
  MainState t = stateWith(kCarsHandling, LineBuffer{"futo, futo, car", "txdp"}, kCarsCols);
  lookUp(t, Category::Car, "FUTO");
  expectRows(t, {true, true, false});
  EXPECT_EQ(t.Edit6, "admiral,") << "the scan found nothing and left the field";
  EXPECT_EQ(t.Memo4, (LineBuffer{"", u("В carcols.dat не найдена строка futo...")}));
}

TEST(CarLookup, staleIndexOfAnEarlierLookupIsNeverTaken) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  lookUp(s, Category::Car, "ADMIRAL");
  s.Memo3 = LineBuffer{"car4", "admiral, 1"};
  lookUp(s, Category::Car, "ADMIRAL");
  EXPECT_EQ(s.Edit6, "2") << "left from the first lookup";
  EXPECT_FALSE(s.Records[2].Found);
  EXPECT_FALSE(s.Button7.Enabled);
}

TEST(CarLookup, missingMarkerWithoutEarlierLookupIsAConversionError) {
  MainState s = stateWith(LineBuffer{"ADMIRAL 1"}, kCarsIde, kCarsCols);
  EXPECT_EQ(errorOf(s, Category::Car, "ADMIRAL"), "'Edit13' is not a valid integer value");
  EXPECT_EQ(s.Label1, "ADMIRAL") << "what earlier steps did stays";
  EXPECT_TRUE(s.Button5.Enabled);
  EXPECT_FALSE(s.Records[0].Found);
}

TEST(CarLookup, missingMarkerAfterAnEarlierLookupUsesTheOldBoundButOnlyTheOwnLine) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  lookUp(s, Category::Car, "ADMIRAL");
  s.Memo1 = LineBuffer{"BURRITO2 x", "ADMIRAL 1", "BURRITO 2", "X", "Y", "Z", "W", "V", "U", "T", "S"};
  lookUp(s, Category::Car, "BURRITO");
  EXPECT_EQ(s.Edit13, "9") << "no marker: the bound stays";
  EXPECT_EQ(s.Edit1, "2") << "scan ends on BURRITO at 2, correction gives 1, the check takes 2";
  EXPECT_TRUE(s.Records[0].Found);
}

TEST(CarLookup, correctionOfAFieldWithoutNumberIsAConversionError) {
  MainState s = stateWith(kCarsHandling, kCarsIde, kCarsCols);
  fw::selectCategory(s, Category::Car);
  s.Memo1 = LineBuffer{";------- bikes"};
  EXPECT_EQ(errorOf(s, Category::Car, "SABRE"), "'' is not a valid integer value");
}

const LineBuffer kAllHandling{"ADMIRAL 1",      "AIRTUG 1",       ";------- bikes",  "ZOMBIE 2",
                              ";------- boats", "TUG 3",          ";------- planes", "ANNHIL 4",
                              "; For Boats: x", "ANNHIL boat-ish"};
const LineBuffer kAllIde{"cars",
                         "admiral, admiral",
                         "zombieb, zombieb",
                         "# Heli's",
                         "annihilator,\tannihilator, heli",
                         "annihilator, annihilator, blanks",
                         "tuga,\t\ttuga, boat",
                         "tuga, tuga, boat",
                         "# Trains",
                         "txdp"};
const LineBuffer kAllCols{"zombieb, 1", "car4", "tuga, 2", "annihilator, 3", "zombieb, 4"};

TEST(OtherLookups, bikeSearchesByModelNameAndCarcolsWhole) {
  MainState s = stateWith(kAllHandling, kAllIde, kAllCols);
  s.Edit12 = "kept";
  lookUp(s, Category::Bike, "ZOMBIE");
  EXPECT_EQ(s.Edit13, "4");
  EXPECT_EQ(s.Edit1, "3");
  EXPECT_EQ(s.Edit7, "zombieb");
  EXPECT_EQ(s.Edit11, "3");
  EXPECT_EQ(s.Edit5, "2");
  EXPECT_EQ(s.Edit6, "4") << "the last line of the whole buffer wins";
  EXPECT_EQ(s.Edit12, "kept");
  expectRows(s, {true, true, true});
}

TEST(OtherLookups, boatTugEndsOnItsOwnLineNotAirtug) {
  MainState s = stateWith(kAllHandling, kAllIde, kAllCols);
  lookUp(s, Category::Boat, "TUG");
  EXPECT_EQ(s.Edit1, "5");
  EXPECT_EQ(s.Edit8, "tuga,		tuga,");
  EXPECT_EQ(s.Edit5, "6") << "the blank-separated line does not hold the tab search text";
  EXPECT_EQ(s.Edit6, "2");
  EXPECT_EQ(s.Label3, u("Вводите сразу значения для автомобиля, без tuga, tuga,"));
}

TEST(OtherLookups, helicopterIsBoundedByForBoats) {
  MainState s = stateWith(kAllHandling, kAllIde, kAllCols);
  lookUp(s, Category::Helicopter, "ANNHIL");
  EXPECT_EQ(s.Edit13, "8");
  EXPECT_EQ(s.Edit1, "7") << "the line after '; For Boats:' is never found";
  EXPECT_EQ(s.Edit7, "annihilator");
  EXPECT_EQ(s.Edit8, "annihilator,	annihilator,");
  EXPECT_EQ(s.Edit5, "4") << "the blank-separated line does not hold the tab search text";
  EXPECT_EQ(s.Edit6, "3");
  expectRows(s, {true, true, true});
}

TEST(OtherLookups, missingMarkerStopsBikesAfterTheLabelButHelicoptersBeforeIt) {
  MainState bike = stateWith(LineBuffer{"ZOMBIE 1"}, kAllIde, kAllCols);
  EXPECT_EQ(errorOf(bike, Category::Bike, "ZOMBIE"), "'Edit13' is not a valid integer value");
  EXPECT_EQ(bike.Label1, "ZOMBIE");
  EXPECT_TRUE(bike.Edit2.Enabled);

  MainState heli = stateWith(LineBuffer{"ANNHIL 1"}, kAllIde, kAllCols);
  heli.Label1 = "before";
  heli.Button12.Enabled = false;
  EXPECT_EQ(errorOf(heli, Category::Helicopter, "ANNHIL"), "'Edit13' is not a valid integer value");
  EXPECT_EQ(heli.Label1, "before");
  EXPECT_FALSE(heli.Button12.Enabled);
  EXPECT_FALSE(heli.Edit2.Enabled);
}

TEST(OtherLookups, staleBoundFromAnotherCategoryNeverLandsOnAnotherVehicle) {
  MainState s = stateWith(LineBuffer{"ADMIRAL 1", "AIRTUG 1", "TUG 3"}, kAllIde, kAllCols);
  s.Edit13 = "2";
  lookUp(s, Category::Boat, "TUG");
  EXPECT_EQ(s.Edit1, "1") << "the scan ends on AIRTUG";
  EXPECT_FALSE(s.Records[0].Found);
  EXPECT_FALSE(s.Button5.Enabled);
}

TEST(OtherLookups, typedTextKeepsThePreviousModelButIsAMissForThoseFiles) {
  MainState s = stateWith(kAllHandling, kAllIde, kAllCols);
  lookUp(s, Category::Boat, "TUG");
  lookUp(s, Category::Boat, "TU");
  EXPECT_EQ(s.Edit7, "tuga");
  EXPECT_EQ(s.Edit8, "tuga,		tuga,");
  expectRows(s, {false, false, false});
}
