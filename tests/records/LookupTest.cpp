// The catalogue and the lookups: small buffers built for each rule, and every catalogue entry in
// the stock data files.
#include "records/Lookup.h"
#include "TempFolder.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/Files.h"
#include "records/Catalogue.h"
#include "records/CategorySwitch.h"
#include "records/Scans.h"

#include <gtest/gtest.h>

using fw::Category;
using fw::FileKind;
using fw::LineBuffer;

namespace {

std::string u(const char* utf8) { return fw::cp1251::fromUtf8(utf8); }

class Lookup : public testing::Test {
protected:
  Lookup() {
    s.file(FileKind::Handling).lines = LineBuffer::fromBytes(
        "; ADMIRAL in a comment\nADMIRAL 1.0\nAIRTUG 1\nBURRITO 2.0\nBURRITO2 2.1\nFEROCI 3.0\nMANANA  4.0\n"
        "MANANAX 4.1\nFUTO 5.0\nCONTENDER 6\n;------- bikes\nZOMBIE 7\n;------- boats\nTUG 8\n;------- "
        "planes\n"
        "ANNHIL 9\n; For Boats:\nANNHIL after\nADMIRAL after");
    s.file(FileKind::Vehicles).lines = LineBuffer::fromBytes(
        "cars\nadmiral, admiral, car\nburrito,\tburrito, car\nburrito2, burrito2, car\nferoci, feroci, car\n"
        "feroci2, feroci2, car\nmanana, manana, car\nzombieb, zombieb, bike\n# "
        "Heli's\nannihilator,\tannihilator, "
        "heli\ntuga,\t\ttuga, boat\ntuga, tuga, blanks\n# Trains\ntxdp\nadmiral, after");
    s.file(FileKind::Carcols).lines = LineBuffer::fromBytes(
        "col\nadmiral, 1,1\nburrito, 2,2\nburrito2, 3,3\nferoci, 4\nferoci2, 5\nmanana, 6\ncar4\nfuto, 1\n"
        "zombieb, 7\ntuga, 8\nannihilator, 9\nzombieb, last");
  }

  void lookUp(Category c, const std::string& text) {
    s.vehicleList(c).text = text;
    fw::lookUpVehicle(s, c);
  }
  std::string errorOf(Category c, const std::string& text) {
    try {
      lookUp(c, text);
    } catch (const fw::Error& e) {
      return e.what();
    }
    return "no error";
  }
  // Per file: its line index when the row is open, "-" when it stays closed.
  std::vector<std::string> rows() const {
    std::vector<std::string> out;
    for (const fw::DataFileState& f : s.files) {
      const bool open = f.input.enabled && f.writeButton.enabled && f.restoreButton.enabled;
      EXPECT_EQ(open, f.record.found);
      out.push_back(open ? f.lineIndex : "-");
    }
    return out;
  }
  std::size_t logged = 1;
  std::string newLog() {
    std::string out;
    for (; logged < s.log.size(); ++logged)
      out += fw::cp1251::toUtf8(s.log.at(static_cast<std::int64_t>(logged))) + "|";
    return out;
  }

  fw::MainState s;
};

using Rows = std::vector<std::string>;

} // namespace

TEST_F(Lookup, findsTheVehiclesOwnLineBeforeEachMarker) {
  const struct {
    Category category;
    const char* text;
    Rows rows;
    const char* model;
  } cases[] = {
      {Category::Car, "ADMIRAL", {"1", "1", "1"}, "admiral"},
      {Category::Car, "BURRITO", {"3", "2", "2"}, "burrito"}, // the scans end on BURRITO2, one line later
      {Category::Car, "BURRITO2", {"4", "3", "3"}, "burrito2"},
      {Category::Car, "FEROCI", {"5", "4", "4"}, "feroci"}, // feroci2 holds "feroci" and is not taken
      {Category::Car, "MANANA ", {"6", "6", "6"}, "manana"},
      {Category::Bike, "ZOMBIE", {"11", "7", "12"}, "zombieb"}, // carcols: the last line of all wins
      {Category::Boat, "TUG", {"13", "10", "10"}, "tuga"},      // not AIRTUG; only the tab-separated line
      {Category::Helicopter, "ANNHIL", {"15", "9", "11"}, "annihilator"},
  };
  for (const auto& c : cases) {
    lookUp(c.category, c.text);
    EXPECT_EQ(rows(), c.rows) << c.text;
    EXPECT_EQ(s.vehicleLabel, c.text);
    EXPECT_EQ(s.modelName, c.model);
  }
  EXPECT_EQ(newLog(), "") << "a lookup that finds everything logs nothing";
  EXPECT_EQ(s.handlingBound, "16");
  EXPECT_EQ(s.vehiclesBound, "13");
  EXPECT_EQ(s.carcolsBound, "7") << "only cars bound their carcols search";
  EXPECT_EQ(s.ideSearchText, "annihilator,\tannihilator,");
  EXPECT_EQ(s.file(FileKind::Handling).hint,
            u("Вводите сразу значения для автомобиля, без ANNHIL и пробела перед первым числом!"));
  EXPECT_EQ(s.file(FileKind::Vehicles).hint,
            u("Вводите сразу значения для автомобиля, без annihilator, annihilator,"));
  EXPECT_EQ(s.file(FileKind::Carcols).hint, u("Вводите сразу значения для автомобиля, без annihilator,"));
}

TEST_F(Lookup, aFileWithoutTheVehiclesLineIsAMissThatStaysClosed) {
  lookUp(Category::Car, "FUTO");
  EXPECT_EQ(rows(), (Rows{"8", "-", "-"}));
  EXPECT_EQ(newLog(), "В vehicles.ide не найдена строка futo...|В carcols.dat не найдена строка futo...|");
  lookUp(Category::Car, "ADMIRAL");
  lookUp(Category::Car, "MANANA");
  EXPECT_EQ(rows(), (Rows{"6", "-", "-"})) << "typed text is no entry: never the previous vehicle's lines";
  EXPECT_EQ(s.modelName, "admiral");
  EXPECT_EQ(newLog(),
            "В vehicles.ide не найдена строка MANANA...|В carcols.dat не найдена строка MANANA...|");
  lookUp(Category::Car, "burrito");
  EXPECT_EQ(rows(), (Rows{"-", "-", "-"})) << "case-sensitive";
  EXPECT_EQ(newLog().rfind("В handling.dat не найдена строка burrito...|", 0), 0u);
  lookUp(Category::Car, "");
  EXPECT_EQ(s.file(FileKind::Handling).hint,
            u("Вводите сразу значения для автомобиля, без  и пробела перед первым числом!"));
}

TEST_F(Lookup, handlingOnlyEntriesOpenTheHandlingRowAlone) {
  lookUp(Category::Car, "ADMIRAL");
  s.restorePage = 2;
  lookUp(Category::Car, "CONTENDER");
  EXPECT_EQ(rows(), (Rows{"9", "-", "-"}));
  EXPECT_EQ(s.restorePage, 0);
  EXPECT_EQ(newLog(), "") << "nothing to report for rows that cannot be written";
}

TEST_F(Lookup, aMissingMarkerFailsWhereTheBoundIsRead) {
  s.file(FileKind::Handling).lines = {"ADMIRAL 1", "ANNHIL 2", "BOBBER 3"};
  EXPECT_EQ(errorOf(Category::Bike, "BOBBER"), "'Edit13' is not a valid integer value");
  EXPECT_EQ(s.vehicleLabel, "BOBBER") << "bikes and boats open the record first";
  EXPECT_TRUE(s.file(FileKind::Carcols).input.enabled);
  fw::vehicleListChanged(s);
  EXPECT_EQ(errorOf(Category::Helicopter, "ANNHIL"), "'Edit13' is not a valid integer value");
  EXPECT_EQ(s.vehicleLabel, "") << "helicopters open it after the handling search";
  EXPECT_FALSE(s.file(FileKind::Handling).restoreButton.enabled);
  s.file(FileKind::Handling).lines = {"ADMIRAL 1"};
  EXPECT_EQ(errorOf(Category::Car, "ADMIRAL"), "'Edit13' is not a valid integer value");
  s.handlingBound = "5";
  lookUp(Category::Car, "ADMIRAL");
  EXPECT_EQ(rows()[0], "0") << "a bound an earlier lookup left is used";
}

TEST_F(Lookup, categorySwitchAndListChangeCloseTheRecord) {
  lookUp(Category::Car, "ADMIRAL");
  s.carcolsRemark = "x";
  fw::selectCategory(s, Category::Boat);
  EXPECT_EQ(s.category, Category::Boat);
  for (Category c : fw::kCategories) {
    EXPECT_EQ(s.vehicleList(c).visible, c == Category::Boat);
    EXPECT_EQ(s.lookupButtons[fw::indexOf(c)].visible, c == Category::Boat);
  }
  EXPECT_EQ(s.vehicleLabel + s.carcolsRemark + s.file(FileKind::Handling).lineIndex, "");
  EXPECT_EQ(s.file(FileKind::Vehicles).lineIndex, "1");
  for (const fw::DataFileState& f : s.files) {
    EXPECT_FALSE(f.input.enabled || f.writeButton.enabled);
    EXPECT_TRUE(f.restoreButton.enabled) << "a category switch leaves the restore buttons";
  }
  lookUp(Category::Boat, "TUG");
  fw::vehicleListChanged(s);
  for (const fw::DataFileState& f : s.files)
    EXPECT_FALSE(f.input.enabled || f.writeButton.enabled || f.restoreButton.enabled);
  EXPECT_EQ(s.vehicleLabel, "");
  EXPECT_EQ(s.file(FileKind::Handling).lineIndex, "13") << "only a category switch empties it";
}

TEST(Catalogue, answersByWholeByteExactText) {
  namespace cat = fw::catalogue;
  EXPECT_EQ(cat::entryTexts(Category::Car).size() + cat::entryTexts(Category::Bike).front().size(),
            102u + 6u);
  const std::tuple<Category, const char*, const char*> models[] = {
      {Category::Car, "MANANA ", "manana"}, {Category::Car, "ROMAN", "rom"},
      {Category::Car, "YANKEE", "yankee"},  {Category::Bike, "ZOMBIE", "zombieb"},
      {Category::Boat, "TUG", "tuga"},      {Category::Car, "MANANA", nullptr},
      {Category::Car, "admiral", nullptr},  {Category::Car, "#SWAT", nullptr},
      {Category::Bike, "ADMIRAL", nullptr}, {Category::Helicopter, "ANNHIL", "annihilator"}};
  for (const auto& [c, text, model] : models)
    EXPECT_EQ(cat::modelName(c, text), model ? std::optional<std::string>(model) : std::nullopt) << text;
  EXPECT_TRUE(cat::handlingOnly(Category::Car, "DILETT") && !cat::handlingOnly(Category::Car, "NOPE"));
  EXPECT_EQ(cat::ideSearchText(Category::Boat, "MARQUIS"), "marquis,\tmarquis,");
  EXPECT_EQ(cat::ideSearchText(Category::Bike, "PCJ"), std::nullopt);
}

// Every entry of every list, looked up one after another in the stock files as a user going down
// the lists would: the found line is the vehicle's own, and the misses are the expected ones.
TEST(StockData, everyEntryFindsItsOwnLines) {
  fw::MainState s;
  const char* names[] = {"handling.dat", "vehicles.ide", "carcols.dat"};
  const std::size_t lines[] = {408, 209, 327};
  for (FileKind k : fw::kFileKinds) {
    const std::string path = std::string(FLEETWICK_SOURCE_DIR "/data/") + names[fw::indexOf(k)];
    s.file(k).lines = fw::loadLines(fw::FilePath::chosen(path));
    EXPECT_EQ(s.file(k).lines.size(), lines[fw::indexOf(k)]);
    EXPECT_EQ(fw::loadLines(fw::FilePath::chosen(path)).toBytes(), fw::test::readBytes(path))
        << "CR LF throughout";
  }
  std::string misses;
  for (Category c : fw::kCategories) {
    for (const std::string& text : fw::catalogue::entryTexts(c)) {
      s.vehicleList(c).text = text;
      fw::lookUpVehicle(s, c);
      for (FileKind k : fw::kFileKinds) {
        const fw::DataFileState& f = s.file(k);
        if (f.record.found)
          EXPECT_EQ(fw::scan::firstField(f.lines.at(std::stoll(f.lineIndex))), f.record.key) << text;
        else if (!fw::catalogue::handlingOnly(c, text))
          misses += text + "/" + names[fw::indexOf(k)] + " ";
      }
      EXPECT_EQ(s.file(FileKind::Handling).record.key + (text.back() == ' ' ? " " : ""), text);
    }
  }
  EXPECT_EQ(misses, "FUTO/carcols.dat HUNTLEY/carcols.dat PRIMO/carcols.dat RUINER/carcols.dat "
                    "SULTAN/carcols.dat SULTANRS/carcols.dat VOODOO/carcols.dat ");
}
