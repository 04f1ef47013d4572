// The stock handling.dat, vehicles.ide and carcols.dat that the program carries: their bytes, their
// layout, and that the lookups' substring scans end on each catalogue vehicle's own line in them.
#include "common/LineBuffer.h"
#include "common/MainState.h"
#include "records/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace cat = fw::catalogue;
using fw::Category;
using fw::LineBuffer;

constexpr std::int64_t kNoLine = -1;

// ---------------------------------------------------------------------------------------------
// The files

std::string readStockBytes(std::string_view name) {
  const std::string path = std::string(FLEETWICK_SOURCE_DIR "/data/") + std::string(name);
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const LineBuffer& handlingDat() {
  static const LineBuffer lines = LineBuffer::fromBytes(readStockBytes("handling.dat"));
  return lines;
}

const LineBuffer& vehiclesIde() {
  static const LineBuffer lines = LineBuffer::fromBytes(readStockBytes("vehicles.ide"));
  return lines;
}

const LineBuffer& carcolsDat() {
  static const LineBuffer lines = LineBuffer::fromBytes(readStockBytes("carcols.dat"));
  return lines;
}

// ---------------------------------------------------------------------------------------------
// Scans as the lookups run them, and field access

std::int64_t toIndex(std::size_t i) { return static_cast<std::int64_t>(i); }

bool contains(std::string_view line, std::string_view text) {
  return !text.empty() && line.find(text) != std::string_view::npos;
}

// The record scan: the last line before `bound` that contains the text.
std::int64_t lastContaining(const LineBuffer& lines, std::string_view text, std::int64_t bound) {
  std::int64_t found = kNoLine;
  for (std::int64_t i = 0; i < bound; ++i)
    if (contains(lines.at(i), text)) found = i;
  return found;
}

std::vector<std::int64_t> linesContaining(const LineBuffer& lines, std::string_view text) {
  std::vector<std::int64_t> out;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (contains(lines.at(static_cast<std::int64_t>(i)), text)) out.push_back(toIndex(i));
  return out;
}

// The marker scan: the last line of the whole file that contains the marker.
std::int64_t markerLine(const LineBuffer& lines, std::string_view marker) {
  return lastContaining(lines, marker, toIndex(lines.size()));
}

std::int64_t lineEqualTo(const LineBuffer& lines, std::string_view text, std::int64_t from = 0) {
  for (std::int64_t i = from; i < toIndex(lines.size()); ++i)
    if (lines.at(i) == text) return i;
  return kNoLine;
}

// Up to the first blank, tab or comma.
std::string_view firstField(std::string_view line) { return line.substr(0, line.find_first_of(" \t,")); }

std::string_view withoutTrailingBlanks(std::string_view text) {
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The lines in [from, to) whose first field is `key`.
std::vector<std::int64_t> linesKeyed(const LineBuffer& lines, std::string_view key, std::int64_t from,
                                     std::int64_t to) {
  std::vector<std::int64_t> out;
  for (std::int64_t i = from; i < to; ++i)
    if (firstField(lines.at(i)) == key) out.push_back(i);
  return out;
}

// The comma-separated fields of a vehicles.ide or carcols.dat line, blanks and tabs trimmed.
std::vector<std::string> commaFields(std::string_view line) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    std::string_view field = line.substr(start, comma == std::string_view::npos ? comma : comma - start);
    const std::size_t first = field.find_first_not_of(" \t");
    field = first == std::string_view::npos ? std::string_view{}
                                            : field.substr(first, field.find_last_not_of(" \t") - first + 1);
    out.emplace_back(field);
    if (comma == std::string_view::npos) return out;
    start = comma + 1;
  }
}

std::vector<std::string> blankFields(std::string_view line) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  while ((pos = line.find_first_not_of(" \t", pos)) != std::string_view::npos) {
    const std::size_t end = line.find_first_of(" \t", pos);
    out.emplace_back(line.substr(pos, end == std::string_view::npos ? end : end - pos));
    pos = end;
  }
  return out;
}

bool isNumber(std::string_view text, bool hex) {
  if (text.empty()) return false;
  if (hex) return text.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
  if (text.front() == '-') text.remove_prefix(1);
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? "0" : text.substr(dot + 1);
  auto digits = [](std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return digits(whole) && digits(fraction);
}

bool isComment(std::string_view line, char mark) { return !line.empty() && line.front() == mark; }

// ---------------------------------------------------------------------------------------------
// What the lookups rely on beyond the catalogue

// Names contained in the names of their variants, whose lines follow theirs: the scan ends on the
// last variant's line and the lookup takes this many lines back. Keyed by the entry text; the
// model names are the same in lower case.
struct Variant {
  std::string_view text;
  std::int64_t following;
};
constexpr Variant kVariants[] = {{"BURRITO", 1}, {"EMPEROR", 1}, {"POLICE", 1}, {"SABRE", 2},
                                 {"SULTAN", 1},  {"TAXI", 1},    {"VIGERO", 1}};

std::int64_t variantOffset(std::string_view text) {
  for (const Variant& v : kVariants)
    if (v.text == text) return v.following;
  return 0;
}

// Car models whose names stand inside a later model's name in vehicles.ide and carcols.dat; a plain
// substring scan ends on that later line, which no correction covers.
struct Shadowed {
  std::string_view model;
  std::string_view laterModel;
};
constexpr Shadowed kShadowed[] = {
    {"feroci", "feroci2"}, {"patriot", "polpatriot"}, {"perennial", "perennial2"}};

const Shadowed* shadowOf(std::string_view model) {
  for (const Shadowed& s : kShadowed)
    if (s.model == model) return &s;
  return nullptr;
}

// Cars whose carcols.dat lines stand in the four-colour section, beyond the "car4" bound.
const std::set<std::string_view> kFourColourCars = {"futo",   "huntley",  "primo", "ruiner",
                                                    "sultan", "sultanrs", "voodoo"};

// ---------------------------------------------------------------------------------------------
// Bytes and line counts

struct StockFile {
  const char* name;
  std::size_t lines;
};
constexpr StockFile kStockFiles[] = {{"handling.dat", 408}, {"vehicles.ide", 209}, {"carcols.dat", 327}};

class StockFileBytes : public testing::TestWithParam<StockFile> {};

TEST_P(StockFileBytes, holdsTheGamesLineCount) {
  EXPECT_EQ(LineBuffer::fromBytes(readStockBytes(GetParam().name)).size(), GetParam().lines);
}

TEST_P(StockFileBytes, endsEveryLineWithCrLf) {
  const std::string bytes = readStockBytes(GetParam().name);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool crBeforeLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    const bool lfAfterCr = bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r';
    EXPECT_FALSE(bytes[i] == '\r' && !crBeforeLf) << "lone CR at byte " << i;
    EXPECT_FALSE(bytes[i] == '\n' && !lfAfterCr) << "lone LF at byte " << i;
  }
}

TEST_P(StockFileBytes, isWindows1251TextWithoutControlBytes) {
  const std::string bytes = readStockBytes(GetParam().name);
  bool eightBit = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    EXPECT_FALSE(b < 0x20 && b != '\t' && b != '\r' && b != '\n') << "control byte at " << i;
    EXPECT_NE(b, 0x98) << "byte outside Windows-1251 at " << i;
    // Cyrillic saved as UTF-8 would show up as a lead byte 0xD0/0xD1 before 0x80..0xBF.
    if ((b == 0xD0 || b == 0xD1) && i + 1 < bytes.size()) {
      const auto next = static_cast<unsigned char>(bytes[i + 1]);
      EXPECT_FALSE(next >= 0x80 && next <= 0xBF) << "UTF-8 sequence at " << i;
    }
    eightBit = eightBit || b >= 0x80;
  }
  EXPECT_TRUE(eightBit) << "the Russian comment is missing";
}

INSTANTIATE_TEST_SUITE_P(Stock, StockFileBytes, testing::ValuesIn(kStockFiles),
                         [](const testing::TestParamInfo<StockFile>& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), '.', '_');
                           return name;
                         });

TEST(StockCarcols, endsWithEndAndTwoEmptyLines) {
  const std::string bytes = readStockBytes("carcols.dat");
  EXPECT_TRUE(bytes.ends_with("\nend\r\n\r\n\r\n"));
  const LineBuffer& lines = carcolsDat();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.at(toIndex(lines.size()) - 3), "end");
}

// ---------------------------------------------------------------------------------------------
// Layout of each file

// handling.dat sections, in file order; each ends at the next one's marker.
constexpr std::string_view kHandlingMarkers[] = {";------- bikes", ";------- boats", ";------- planes",
                                                 "; For Boats:"};

TEST(StockHandling, marksItsSectionsOnceEachInOrder) {
  const LineBuffer& lines = handlingDat();
  std::int64_t previous = kNoLine;
  for (std::string_view marker : kHandlingMarkers) {
    const auto hits = linesContaining(lines, marker);
    ASSERT_EQ(hits.size(), 1u) << marker;
    EXPECT_TRUE(lines.at(hits[0]).starts_with(marker)) << marker;
    EXPECT_GT(hits[0], previous) << marker;
    previous = hits[0];
  }
}

TEST(StockHandling, opensWithACommentBlockBeforeTheCars) {
  const LineBuffer& lines = handlingDat();
  std::int64_t firstData = 0;
  while (firstData < toIndex(lines.size()) && isComment(lines.at(firstData), ';'))
    ++firstData;
  EXPECT_GE(firstData, 20) << "the header that names the fields is missing";
  const std::string_view identifier = firstField(lines.at(firstData));
  EXPECT_TRUE(
      std::ranges::any_of(cat::entries(Category::Car),
                          [&](const cat::Entry& e) { return withoutTrailingBlanks(e.text) == identifier; }))
      << "first data line: " << lines.at(firstData);
}

TEST(StockHandling, dataLinesShareOneLayoutOfNumbers) {
  const LineBuffer& lines = handlingDat();
  const std::int64_t tail = markerLine(lines, "; For Boats:");
  std::size_t width = 0;
  int dataLines = 0;
  for (std::int64_t i = 0; i < tail; ++i) {
    std::string_view line = lines.at(i);
    if (line.empty() || isComment(line, ';')) continue;
    const auto fields = blankFields(line);
    if (width == 0) width = fields.size();
    ASSERT_EQ(fields.size(), width) << line;
    // the two flag fields at the end are hexadecimal
    for (std::size_t f = 1; f < fields.size(); ++f)
      EXPECT_TRUE(isNumber(fields[f], f + 2 >= fields.size())) << "field " << f << " of " << line;
    ++dataLines;
  }
  std::size_t catalogued = 0;
  for (Category c : fw::kCategories)
    catalogued += cat::entries(c).size();
  EXPECT_GE(static_cast<std::size_t>(dataLines), catalogued);
}

constexpr std::string_view kTypes[] = {"car", "bike", "heli", "boat", "train"};

struct IdeLayout {
  std::int64_t cars, helis, trains, end, txdp;
};

IdeLayout ideLayout() {
  const LineBuffer& lines = vehiclesIde();
  const std::int64_t cars = lineEqualTo(lines, "cars");
  const std::int64_t end = lineEqualTo(lines, "end", cars + 1);
  return {cars, lineEqualTo(lines, "# Heli's"), lineEqualTo(lines, "# Trains"), end,
          lineEqualTo(lines, "txdp", end)};
}

TEST(StockVehicles, holdsCarsAndTxdpSectionsClosedByEnd) {
  const LineBuffer& lines = vehiclesIde();
  const IdeLayout at = ideLayout();
  ASSERT_GT(at.cars, 0) << "no comment lines before \"cars\"";
  for (std::int64_t i = 0; i < at.cars; ++i)
    EXPECT_TRUE(isComment(lines.at(i), '#')) << lines.at(i);
  EXPECT_TRUE(at.cars < at.helis && at.helis < at.trains && at.trains < at.end);
  EXPECT_EQ(at.txdp, at.end + 1);
  EXPECT_EQ(lineEqualTo(lines, "end", at.txdp + 1), toIndex(lines.size()) - 1);
  for (std::int64_t i = at.txdp + 1; i + 1 < toIndex(lines.size()); ++i)
    EXPECT_EQ(commaFields(lines.at(i)).size(), 2u) << "txdp line " << lines.at(i);
  for (std::string_view marker : {"txdp", "# Heli's", "# Trains"})
    EXPECT_EQ(linesContaining(lines, marker).size(), 1u) << marker;
}

TEST(StockVehicles, groupsTheModelTypesBetweenTheMarkers) {
  const LineBuffer& lines = vehiclesIde();
  const IdeLayout at = ideLayout();
  // Cars, then bikes before "# Heli's"; helicopters, then boats before "# Trains"; trains last.
  const std::size_t firstRank[] = {0, 2, 4}, lastRank[] = {1, 3, 4}; // per section, into kTypes
  std::size_t rank = 0;
  for (std::int64_t i = at.cars + 1; i < at.end; ++i) {
    std::string_view line = lines.at(i);
    if (isComment(line, '#')) continue;
    const auto fields = commaFields(line);
    ASSERT_GE(fields.size(), 15u) << line;
    const auto type = std::ranges::find(kTypes, fields[2]);
    ASSERT_NE(type, std::end(kTypes)) << line;
    const auto typeRank = static_cast<std::size_t>(type - std::begin(kTypes));
    const std::size_t section = i < at.helis ? 0 : i < at.trains ? 1 : 2;
    EXPECT_TRUE(typeRank >= firstRank[section] && typeRank <= lastRank[section]) << line;
    EXPECT_GE(typeRank, rank) << line;
    rank = typeRank;
  }
}

TEST(StockVehicles, namesOnlyHandlingIdentifiersThatHaveALine) {
  const LineBuffer& ide = vehiclesIde();
  const IdeLayout at = ideLayout();
  std::set<std::string_view> identifiers;
  for (std::string_view line : handlingDat().views())
    if (!line.empty() && !isComment(line, ';')) identifiers.insert(firstField(line));
  for (std::int64_t i = at.cars + 1; i < at.end; ++i) {
    if (isComment(ide.at(i), '#')) continue;
    const auto fields = commaFields(ide.at(i));
    ASSERT_GE(fields.size(), 4u) << ide.at(i);
    EXPECT_TRUE(identifiers.contains(fields[3])) << ide.at(i);
  }
}

struct CarcolsLayout {
  std::int64_t col, colEnd, car, carEnd, car4, car4End;
};

CarcolsLayout carcolsLayout() {
  const LineBuffer& lines = carcolsDat();
  const std::int64_t col = lineEqualTo(lines, "col");
  const std::int64_t colEnd = lineEqualTo(lines, "end", col);
  const std::int64_t car = lineEqualTo(lines, "car", colEnd);
  const std::int64_t carEnd = lineEqualTo(lines, "end", car);
  const std::int64_t car4 = lineEqualTo(lines, "car4", carEnd);
  return {col, colEnd, car, carEnd, car4, lineEqualTo(lines, "end", car4)};
}

std::int64_t colourCount() {
  const CarcolsLayout at = carcolsLayout();
  std::int64_t count = 0;
  for (std::int64_t i = at.col + 1; i < at.colEnd; ++i)
    if (!isComment(carcolsDat().at(i), '#')) ++count;
  return count;
}

TEST(StockCarcols, holdsColourTableThenTwoAndFourColourSections) {
  const LineBuffer& lines = carcolsDat();
  const CarcolsLayout at = carcolsLayout();
  ASSERT_GT(at.col, 0) << "no comment lines before \"col\"";
  for (std::int64_t i = 0; i < at.col; ++i)
    EXPECT_TRUE(isComment(lines.at(i), '#')) << lines.at(i);
  EXPECT_EQ(at.car, at.colEnd + 1);
  EXPECT_EQ(at.car4, at.carEnd + 1);
  EXPECT_EQ(at.car4End, toIndex(lines.size()) - 3);
  EXPECT_EQ(linesContaining(lines, "car4").size(), 1u);
}

TEST(StockCarcols, colourTableHoldsRedGreenBlue) {
  const LineBuffer& lines = carcolsDat();
  const CarcolsLayout at = carcolsLayout();
  EXPECT_GE(colourCount(), 64);
  for (std::int64_t i = at.col + 1; i < at.colEnd; ++i) {
    if (isComment(lines.at(i), '#')) continue;
    // "r,g,b", then a tab and a comment that names the colour
    const auto parts = commaFields(std::string_view(lines.at(i)).substr(0, lines.at(i).find('\t')));
    ASSERT_EQ(parts.size(), 3u) << lines.at(i);
    for (const std::string& p : parts) {
      ASSERT_TRUE(isNumber(p, false) && p.find('.') == std::string::npos) << lines.at(i);
      EXPECT_LE(std::stoi(p), 255) << lines.at(i);
    }
  }
}

TEST(StockCarcols, combinationsIndexTheColourTable) {
  const LineBuffer& lines = carcolsDat();
  const CarcolsLayout at = carcolsLayout();
  const std::int64_t colours = colourCount();
  auto check = [&](std::int64_t from, std::int64_t to, std::size_t group) {
    for (std::int64_t i = from; i < to; ++i) {
      if (isComment(lines.at(i), '#')) continue;
      auto fields = commaFields(lines.at(i));
      fields.erase(fields.begin()); // the model
      ASSERT_FALSE(fields.empty()) << lines.at(i);
      EXPECT_EQ(fields.size() % group, 0u) << lines.at(i);
      for (const std::string& f : fields) {
        ASSERT_TRUE(isNumber(f, false) && f.find('.') == std::string::npos) << lines.at(i);
        EXPECT_LT(std::stoi(f), colours) << lines.at(i);
      }
    }
  };
  check(at.car + 1, at.carEnd, 2);
  check(at.car4 + 1, at.car4End, 4);
}

TEST(StockCarcols, coloursEveryModelExceptTheTrains) {
  const LineBuffer& ide = vehiclesIde();
  const IdeLayout at = ideLayout();
  std::set<std::string_view> coloured;
  for (std::string_view line : carcolsDat().views())
    coloured.insert(firstField(line));
  for (std::int64_t i = at.cars + 1; i < at.end; ++i) {
    if (isComment(ide.at(i), '#')) continue;
    const auto fields = commaFields(ide.at(i));
    if (fields[2] == "train") continue;
    EXPECT_TRUE(coloured.contains(fields[0])) << fields[0];
  }
}

// ---------------------------------------------------------------------------------------------
// Every catalogue vehicle, per category

struct CategoryCase {
  Category category;
  const char* name;
  std::string_view handlingStart; // marker of the section before, empty for the first
  std::string_view handlingBound;
  std::string_view vehiclesBound;
  std::string_view vehiclesType;
};
constexpr CategoryCase kCategoryCases[] = {
    {Category::Car, "Cars", "", ";------- bikes", "txdp", "car"},
    {Category::Bike, "Bikes", ";------- bikes", ";------- boats", "# Heli's", "bike"},
    {Category::Boat, "Boats", ";------- boats", ";------- planes", "# Trains", "boat"},
    {Category::Helicopter, "Helicopters", ";------- planes", "; For Boats:", "txdp", "heli"},
};

class StockRecords : public testing::TestWithParam<CategoryCase> {
protected:
  std::span<const cat::Entry> entries() const { return cat::entries(GetParam().category); }
  bool isCar() const { return GetParam().category == Category::Car; }
  // what the vehicles.ide scan looks for: the model name, or the exact line start for boats and
  // helicopters
  std::string_view ideSearch(const cat::Entry& e) const {
    return e.ideSearch.empty() ? e.model : e.ideSearch;
  }
};

TEST_P(StockRecords, handlingScanEndsOnTheVehiclesOwnLine) {
  const LineBuffer& lines = handlingDat();
  const std::int64_t from =
      GetParam().handlingStart.empty() ? 0 : markerLine(lines, GetParam().handlingStart);
  const std::int64_t bound = markerLine(lines, GetParam().handlingBound);
  ASSERT_NE(from, kNoLine);
  ASSERT_NE(bound, kNoLine);
  for (const cat::Entry& e : entries()) {
    const auto own = linesKeyed(lines, withoutTrailingBlanks(e.text), from, bound);
    ASSERT_EQ(own.size(), 1u) << e.text;
    EXPECT_TRUE(lines.at(own[0]).starts_with(e.text)) << '"' << e.text << "\" vs " << lines.at(own[0]);
    EXPECT_EQ(lastContaining(lines, e.text, bound) - variantOffset(e.text), own[0]) << e.text;
  }
}

TEST_P(StockRecords, vehiclesScanEndsOnTheModelsOwnLine) {
  const LineBuffer& lines = vehiclesIde();
  const IdeLayout at = ideLayout();
  const std::int64_t bound = markerLine(lines, GetParam().vehiclesBound);
  for (const cat::Entry& e : entries()) {
    if (e.model.empty()) continue;
    const auto own = linesKeyed(lines, e.model, at.cars + 1, at.end);
    ASSERT_EQ(own.size(), 1u) << e.model;
    ASSERT_LT(own[0], bound) << e.model;
    const auto fields = commaFields(lines.at(own[0]));
    ASSERT_GE(fields.size(), 4u) << lines.at(own[0]);
    EXPECT_EQ(fields[2], GetParam().vehiclesType) << lines.at(own[0]);
    EXPECT_EQ(fields[3], withoutTrailingBlanks(e.text)) << lines.at(own[0]);
    EXPECT_TRUE(lines.at(own[0]).starts_with(ideSearch(e))) << lines.at(own[0]);

    const std::int64_t found = lastContaining(lines, ideSearch(e), bound);
    if (const Shadowed* s = shadowOf(e.model)) {
      // the case the lookup must catch: the scan ends on another model's line
      EXPECT_GT(found, own[0]) << e.model;
      EXPECT_EQ(firstField(lines.at(found)), s->laterModel) << e.model;
    } else {
      EXPECT_EQ(found - variantOffset(e.text), own[0]) << e.model;
    }
  }
}

TEST_P(StockRecords, carcolsScanEndsOnTheModelsOwnLine) {
  const LineBuffer& lines = carcolsDat();
  // cars are searched up to "car4"; the other categories over the whole file
  const std::int64_t bound = isCar() ? markerLine(lines, "car4") : toIndex(lines.size());
  ASSERT_NE(bound, kNoLine);
  for (const cat::Entry& e : entries()) {
    if (e.model.empty()) continue;
    const auto own = linesKeyed(lines, e.model, 0, toIndex(lines.size()));
    ASSERT_EQ(own.size(), 1u) << e.model;
    const std::int64_t found = lastContaining(lines, e.model, bound);
    if (isCar() && kFourColourCars.contains(e.model)) {
      EXPECT_GT(own[0], bound) << e.model;
      EXPECT_EQ(found, kNoLine) << e.model << " stands before car4 in " << lines.at(found);
    } else if (const Shadowed* s = shadowOf(e.model)) {
      EXPECT_GT(found, own[0]) << e.model;
      EXPECT_EQ(firstField(lines.at(found)), s->laterModel) << e.model;
    } else {
      EXPECT_LT(own[0], bound) << e.model;
      EXPECT_EQ(found - variantOffset(e.text), own[0]) << e.model;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Stock, StockRecords, testing::ValuesIn(kCategoryCases),
                         [](const testing::TestParamInfo<CategoryCase>& info) { return info.param.name; });

TEST(StockEdgeCases, fourColourCarsAreCarsOfTheCatalogue) {
  for (std::string_view model : kFourColourCars)
    EXPECT_TRUE(std::ranges::any_of(cat::entries(Category::Car), [&](const cat::Entry& e) {
      return e.model == model;
    })) << model;
}

TEST(StockEdgeCases, handlingOnlyCarsHaveNoModelLine) {
  int handlingOnly = 0;
  for (const cat::Entry& e : cat::entries(Category::Car)) {
    if (!e.model.empty()) continue;
    ++handlingOnly;
    std::string name = lowerCase(e.text);
    name.erase(0, name.find_first_not_of('#'));
    for (const LineBuffer* lines : {&vehiclesIde(), &carcolsDat()})
      for (const std::string& line : lines->lines())
        EXPECT_FALSE(contains(lowerCase(line), name)) << e.text << " in " << line;
  }
  EXPECT_EQ(handlingOnly, 3);
}

TEST(StockEdgeCases, tugsLineFollowsAirtugsWhichContainsIt) {
  const LineBuffer& lines = handlingDat();
  const auto airtug = linesKeyed(lines, "AIRTUG", 0, markerLine(lines, ";------- bikes"));
  const auto tug = linesKeyed(lines, "TUG", 0, markerLine(lines, ";------- planes"));
  ASSERT_EQ(airtug.size(), 1u);
  ASSERT_EQ(tug.size(), 1u);
  EXPECT_LT(airtug[0], tug[0]);
}

// ---------------------------------------------------------------------------------------------
// Variants follow their base in all three files

struct VariantFile {
  const char* name;
  const LineBuffer& (*lines)();
  bool byModel; // keyed by model name rather than handling identifier
};
const VariantFile kVariantFiles[] = {{"handling_dat", handlingDat, false},
                                     {"vehicles_ide", vehiclesIde, true},
                                     {"carcols_dat", carcolsDat, true}};

class StockVariants : public testing::TestWithParam<VariantFile> {};

TEST_P(StockVariants, followTheirBaseDirectly) {
  const LineBuffer& lines = GetParam().lines();
  auto key = [&](const cat::Entry& e) -> std::string {
    return GetParam().byModel ? std::string(e.model) : std::string(withoutTrailingBlanks(e.text));
  };
  for (const Variant& v : kVariants) {
    const cat::Entry* base = cat::find(Category::Car, v.text);
    ASSERT_NE(base, nullptr) << v.text;
    // the catalogue cars whose names begin with the base's name
    std::multiset<std::string> expected;
    for (const cat::Entry& e : cat::entries(Category::Car))
      if (&e != base && key(e).starts_with(key(*base))) expected.insert(key(e));
    ASSERT_EQ(toIndex(expected.size()), v.following) << v.text;

    const auto own = linesKeyed(lines, key(*base), 0, toIndex(lines.size()));
    ASSERT_FALSE(own.empty()) << v.text;
    std::multiset<std::string> following;
    for (std::int64_t i = 1; i <= v.following; ++i)
      following.insert(std::string(firstField(lines.at(own[0] + i))));
    EXPECT_EQ(following, expected) << v.text;
  }
}

INSTANTIATE_TEST_SUITE_P(Stock, StockVariants, testing::ValuesIn(kVariantFiles),
                         [](const testing::TestParamInfo<VariantFile>& info) { return info.param.name; });

} // namespace
