// Every catalogue entry looked up in the stock data files, one after another in one window state,
// as a user going down the lists would.
#include "Printers.h"
#include "common/Cp1251.h"
#include "common/Files.h"
#include "records/Catalogue.h"
#include "records/CategorySwitch.h"
#include "records/Lookup.h"
#include "records/Scans.h"

#include <gtest/gtest.h>

#include <set>

using fw::Category;
using fw::FileKind;
using fw::MainState;

namespace {

fw::LineBuffer stock(const char* name) {
  return fw::loadLines(fw::FilePath::chosen(std::string(FLEETWICK_SOURCE_DIR "/data/") + name));
}

const std::set<std::string> kCarcolsAfterCar4 = {"FUTO",   "HUNTLEY",  "PRIMO", "RUINER",
                                                 "SULTAN", "SULTANRS", "VOODOO"};

std::string trimmed(std::string_view text) {
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return std::string(text);
}

} // namespace

TEST(StockLookup, everyEntryLandsOnItsOwnLinesOrIsAMissWhereExpected) {
  MainState s;
  s.Memo1 = stock("handling.dat");
  s.Memo2 = stock("vehicles.ide");
  s.Memo3 = stock("carcols.dat");
  int looked = 0;
  for (Category c : fw::kCategories) {
    fw::selectCategory(s, c);
    for (const auto& entry : fw::catalogue::entries(c)) {
      SCOPED_TRACE(std::string(entry.text));
      const std::string text(entry.text);
      s.vehicleList(c).Text = text;
      fw::vehicleListChanged(s);
      const std::size_t logBefore = s.Memo4.size();
      fw::lookup(s, c);
      ++looked;
      EXPECT_EQ(s.Label1, text);

      ASSERT_TRUE(s.Records[0].Found);
      EXPECT_EQ(fw::scan::firstField(s.Memo1.at(std::stoll(s.Edit1))), trimmed(text));
      EXPECT_TRUE(s.Edit2.Enabled && s.Button5.Enabled && s.Button12.Enabled);

      const bool handlingOnly = entry.model.empty();
      const bool carcolsMiss = c == Category::Car && kCarcolsAfterCar4.count(text) > 0;
      EXPECT_EQ(s.Records[1].Found, !handlingOnly);
      EXPECT_EQ(s.Records[2].Found, !handlingOnly && !carcolsMiss);
      EXPECT_EQ(s.Edit3.Enabled, !handlingOnly);
      EXPECT_EQ(s.Edit4.Enabled, s.Records[2].Found);
      EXPECT_EQ(s.Button14.Enabled, s.Records[2].Found);
      if (!handlingOnly) {
        EXPECT_EQ(s.Edit7, entry.model);
        EXPECT_EQ(fw::scan::firstField(s.Memo2.at(std::stoll(s.Edit5))), entry.model);
      }
      if (s.Records[2].Found) {
        EXPECT_EQ(fw::scan::firstField(s.Memo3.at(std::stoll(s.Edit6))), entry.model);
      }
      EXPECT_EQ(s.Memo4.size() - logBefore, carcolsMiss ? 1u : 0u);
      if (carcolsMiss) {
        EXPECT_EQ(s.Memo4.lines().back(), fw::cp1251::fromUtf8("В carcols.dat не найдена строка ") +
                                              std::string(entry.model) + "...");
      }
    }
  }
  EXPECT_EQ(looked, 121);
}

TEST(StockLookup, scansAloneLandOnTheOwnLineExceptWhereNamesNest) {
  // The first-field check only has to step in where one model name holds another.
  MainState s;
  s.Memo1 = stock("handling.dat");
  s.Memo2 = stock("vehicles.ide");
  s.Memo3 = stock("carcols.dat");
  const std::set<std::string> nested = {"feroci", "patriot", "perennial"};
  const std::set<std::string> variantBases = {"burrito", "emperor", "police", "sabre",
                                              "sultan",  "taxi",    "vigero"};
  for (const auto& entry : fw::catalogue::entries(Category::Car)) {
    if (entry.model.empty()) continue;
    SCOPED_TRACE(std::string(entry.text));
    const std::string model(entry.model);
    std::string raw = "none";
    fw::scan::markerScan(s.Memo2, "txdp", s.Edit11);
    fw::scan::recordScan(s.Memo2, model, s.Edit11, raw);
    const std::string own = fw::scan::firstField(s.Memo2.at(std::stoll(raw))) == model ? "own" : "other";
    if (variantBases.count(model)) continue; // corrected by the fixed offsets, checked above
    EXPECT_EQ(own, nested.count(model) ? "other" : "own");
  }
}
