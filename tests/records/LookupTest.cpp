// The lookups, in a small game folder built for each rule.
#include "Game.h"
#include "records/Catalogue.h"
#include "records/Scans.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace fw;
using Rows = std::vector<std::string>;
constexpr auto Car = Category::Car;

namespace {

std::string u(const char* utf8) { return cp1251::fromUtf8(utf8); }

struct Lookup : testing::Test, test::Game {
  Lookup() : Game(test::testData("lookup")) { start(); }
  // Per file: its line index when the row is open, "-" when it is closed, "?" when half of it is.
  // An open row always points at a line that starts with the record's key.
  Rows rows() const {
    Rows out;
    for (const DataFileState& f : s.files) {
      const bool open = f.input.enabled && f.writeButton.enabled && f.restoreButton.enabled;
      const bool closed = !f.input.enabled && !f.writeButton.enabled && !f.restoreButton.enabled;
      EXPECT_EQ(open, f.record.found);
      if (open) {
        EXPECT_EQ(scan::firstField(f.lines.at(std::stoll(f.lineIndex))), f.record.key);
      }
      out.push_back(open ? f.lineIndex : closed ? "-" : "?");
    }
    return out;
  }
};

} // namespace

TEST_F(Lookup, opensTheRowOfEachFileThatHoldsTheVehiclesOwnLine) {
  const struct {
    Category category;
    const char* text;
    Rows rows;
    const char* model;
    const char* missed; // the log's misses: file initial and key, as "v:futo c:futo"
  } cases[] = {
      {Car, "ADMIRAL", {"1", "1", "1"}, "admiral", ""},
      {Car, "MANANA", {"7", "-", "-"}, "admiral", "v:MANANA c:MANANA"}, // no entry: not the previous lines
      // A scan ends a line later, on burrito2 or on a second BURRITO line: the first is taken.
      {Car, "BURRITO", {"4", "2", "2"}, "burrito", ""},
      {Car, "BURRITO2", {"3", "3", "3"}, "burrito2", ""},
      {Car, "FEROCI", {"6", "4", "4"}, "feroci", ""}, // feroci2 holds "feroci" and is not taken
      {Car, "MANANA ", {"7", "6", "6"}, "manana", ""},
      {Car, "FUTO", {"9", "-", "-"}, "futo", "v:futo c:futo"},
      {Car, "burrito", {"-", "-", "-"}, "futo", "h:burrito v:burrito c:burrito"}, // case-sensitive
      {Category::Bike, "ZOMBIE", {"12", "7", "12"}, "zombieb", ""}, // carcols: the last line of all wins
      {Category::Boat, "TUG", {"14", "10", "10"}, "tuga", ""},      // not AIRTUG; only the tab-separated line
      {Category::Helicopter, "ANNHIL", {"16", "9", "11"}, "annihilator", ""},
  };
  const std::map<char, std::string> files = {
      {'h', "handling.dat"}, {'v', "vehicles.ide"}, {'c', "carcols.dat"}};
  for (const auto& c : cases) {
    const std::size_t from = s.log.size();
    lookUp(c.text, c.category);
    EXPECT_EQ(rows(), c.rows) << c.text;
    std::istringstream missed(c.missed);
    std::vector<std::string> logged;
    for (std::string miss; missed >> miss;)
      logged.push_back("В " + files.at(miss[0]) + " не найдена строка " + miss.substr(2) + "...");
    EXPECT_EQ(s.vehicleLabel, c.text);
    EXPECT_EQ(s.modelName, c.model) << c.text;
    EXPECT_EQ(log(from), logged) << c.text;
  }
  EXPECT_EQ(s.handlingBound, "17");
  EXPECT_EQ(s.vehiclesBound, "13");
  EXPECT_EQ(s.carcolsBound, "7") << "only cars bound their carcols search";
  EXPECT_EQ(s.file(FileKind::Handling).hint,
            u("Вводите сразу значения для автомобиля, без ANNHIL и пробела перед первым числом!"));
  EXPECT_EQ(s.file(FileKind::Vehicles).hint,
            u("Вводите сразу значения для автомобиля, без annihilator, annihilator,"));
  EXPECT_EQ(s.file(FileKind::Carcols).hint, u("Вводите сразу значения для автомобиля, без annihilator,"));
  s.restorePage = 2;
  const std::size_t from = s.log.size();
  lookUp("CONTENDER"); // only in handling.dat: the other rows close without a word
  EXPECT_EQ(rows(), (Rows{"10", "-", "-"}));
  EXPECT_EQ(s.restorePage, 0);
  EXPECT_EQ(log(from), std::vector<std::string>{});
}

TEST_F(Lookup, aMissingMarkerFailsWhereTheBoundIsRead) {
  s.file(FileKind::Carcols).lines = {"admiral, 1,1",
                                     "car4"}; // no burrito: its correction reads the start text
  EXPECT_EQ(lookUp("BURRITO"), "'admiral,' is not a valid integer value");
  start();
  s.file(FileKind::Handling).lines = {"ADMIRAL 1", "ANNHIL 2", "BOBBER 3"};
  EXPECT_EQ(lookUp("BOBBER", Category::Bike), "'Edit13' is not a valid integer value");
  EXPECT_EQ(s.vehicleLabel, "BOBBER") << "bikes and boats open the record first";
  EXPECT_TRUE(s.file(FileKind::Carcols).input.enabled);
  vehicleListChanged(s);
  EXPECT_EQ(lookUp("ANNHIL", Category::Helicopter), "'Edit13' is not a valid integer value");
  EXPECT_EQ(s.vehicleLabel, "") << "helicopters open it after the handling search";
  EXPECT_FALSE(s.file(FileKind::Handling).restoreButton.enabled);
  s.handlingBound = "5";
  lookUp("ADMIRAL");
  EXPECT_EQ(rows()[0], "0") << "a bound an earlier lookup left is used";
}

// The command line takes an entry's text or model name in any letter case: no two entries share one.
TEST(Catalogue, noTwoEntriesShareANameInAnyLetterCase) {
  std::map<std::string, std::string_view> owners;
  for (Category c : kCategories)
    for (const catalogue::Entry& e : catalogue::entries(c))
      for (std::string_view name : {e.text, e.model}) {
        std::string lower;
        for (char ch : name.substr(0, name.find_last_not_of(' ') + 1))
          lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        const auto [owner, fresh] = owners.emplace(lower, e.text);
        EXPECT_TRUE(lower.empty() || fresh || owner->second == e.text) << name;
      }
}
