// The check of the files' form: the stock copies pass it, each mistake players make gives its
// finding, and a game whose lines have another layout is judged by its own lines.
#include "Game.h"
#include "common/FileKinds.h"
#include "form/FieldText.h"
#include "records/Catalogue.h"

#include <gtest/gtest.h>

using namespace fw;
using form::Finding;
using Findings = std::vector<Finding>;
using P = form::Problem;
constexpr FileKind H = FileKind::Handling, V = FileKind::Vehicles, C = FileKind::Carcols;
constexpr auto E = form::Severity::Error, W = form::Severity::Warning;

namespace fw::form {
void PrintTo(const Finding& f, std::ostream* os) {
  *os << kindInfo(f.file).fileName << ":" << f.line << " field '" << f.field << "' severity "
      << int(f.severity) << " problem " << int(f.problem) << " found '" << f.found << "' expected '"
      << f.expected << "'";
}
} // namespace fw::form

namespace {

Findings checked(const std::array<LineBuffer, 3>& files) {
  Findings found;
  form::checkFiles(files, [&](const Finding& f) { found.push_back(f); });
  return found;
}

// The line without what the program adds: the identifier, or the model name (twice).
std::string typedPart(const test::Game& game, FileKind k) {
  std::string line(game.s.file(k).lines.at(std::stoll(game.s.file(k).lineIndex)));
  for (int own = k == V ? 2 : 1; own-- > 0;)
    line.erase(0, line.find(k == H ? ' ' : ',') + 1);
  return line;
}

} // namespace

// The stock copies check clean, line by line and typed into their rows. With one line edited (`from`
// replaced by `to`, which may end the line or hold more) each mistake gives its findings at its line.
TEST(LineCheck, theStockCopiesPassAndEachMistakeInThemGivesItsFindingsAtItsLine) {
  test::Game game(FLEETWICK_SOURCE_DIR "/data");
  game.start();
  const std::array<LineBuffer, 3> stock{game.s.file(H).lines, game.s.file(V).lines, game.s.file(C).lines};
  EXPECT_EQ(checked(stock), Findings{});
  for (Category c : kCategories) {
    for (const catalogue::Entry& e : catalogue::entries(c)) {
      game.lookUp(std::string(e.text), c);
      for (FileKind k : kFileKinds)
        EXPECT_TRUE(!game.s.file(k).record.found ||
                    checkTyped(game.s, k, typedPart(game, k)).findings.empty())
            << e.text << " " << typedPart(game, k);
    }
  }
  const std::string digits(400, '5'),
      id = "blista_extralongid",
      cars = "Cars\nadmiral, admiral, tank, NOSUCHID, ADMIRAL, STD, null, 9, 9, 1, 1, -1, 2, 1, 0";
  // clang-format off
  const struct {
    FileKind file;
    int line;
    std::string from, to;
    Findings expected;
  } cases[] = {
      {V, 22, "cars", cars, {{V, 22, "", E, P::UnknownSection, "Cars", "cars, txdp"}, // judged by their shape
                             {V, 23, "type", E, P::UnknownType, "tank", "car, bike, heli, boat, train"},
                             {V, 23, "handling", E, P::UnknownHandling, "NOSUCHID", ""}}},
      {C, 186, "car", "", {{C, 187, "", E, P::OutsideSection, "admiral", "col, car, car4"}}},
      {V, 163, "end", "", {{V, 164, "", E, P::MissingEnd, "cars", "end"}}},
      {C, 316, "end", "", {{C, 317, "", E, P::MissingEnd, "car", "end"}}},
      {C, 325, "end", "", {{C, 324, "", E, P::MissingEnd, "car4", "end"}}}, // after its last line
      {H, 177, "BLISTA", id, {{H, 177, "A", E, P::TooLong, id, "14"}, {H, 177, "A", E, P::NotUpperCase, id, ""},
                              {V, 29, "handling", E, P::UnknownHandling, "BLISTA", ""}}},
      {H, 177, "1250.0", "0", {{H, 177, "B", W, P::OutOfRange, "0", "1.0..50000.0"}}},
      {H, 321, "  3  ", "  0  ", {{H, 321, "I", W, P::OutOfRange, "0", "1..6"}}}, // a train has gears
      {H, 341, "  1  ", "  0  ", {}}, // a boat uses only the mass, drag, buoyancy and flags
      {H, 177, "1250.0", digits, {{H, 177, "B", E, P::Unreadable, digits, ""}}},
      {H, 177, "  5  ", "  5.5  ", {{H, 177, "I", E, P::NotWhole, "5.5", ""}}},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::array<LineBuffer, 3> files = stock;
    LineBuffer& lines = files[indexOf(c.file)];
    std::string line(lines.at(c.line - 1));
    ASSERT_NE(line.find(c.from), line.npos) << c.from;
    lines.erase(c.line - 1), lines.insert(c.line - 1, line.replace(line.find(c.from), c.from.size(), c.to));
    lines = LineBuffer::fromBytes(lines.toBytes());
    EXPECT_EQ(checked(files), c.expected) << c.line << " " << c.to;
  }
}

TEST(LineCheck, eachMistakeTypedGivesItsFindingFirst) {
  test::Game game(FLEETWICK_SOURCE_DIR "/data");
  std::string ide = game.folder.read("common/data/vehicles.ide"); // misspelt: judged by their shape
  game.folder.write("common/data/vehicles.ide", ide.replace(ide.find("\ncars\r"), 5, "\nCars"));
  game.start(), game.lookUp("BANSHEE");
  // BANSHEE's values but its flags, and its vehicles.ide values.
  const std::string
      h = "1450.0 1.7 85 0.01 0.02 -0.09 0.5 6 0.32 1.2 206.9 1.13 0.49 0.86 33.0 1.69 1.28 17.4 "
          "0.10 0.47 1.61 1.34 1.78 0.09 -0.13 0.02 0.49 0.05 0.85 0.92 1.36 1.62 0.22 140500 ",
      v = "car, BANSHEE, BANSHEE, STD_LOW, null, 30, 999, 0.2968, 0.2968, -1, 1.5, 3, 0";
  const struct {
    FileKind file;
    std::string typed;
    form::Severity severity;
    P problem;
    const char *field, *found, *expected;
  } cases[] = {
      {H, h + "210001", E, P::FieldCount, "", "35", "36"},
      {H, h + "210001 2020004 1", E, P::FieldCount, "", "37", "36"},
      {H, "BANSHEE " + h + "210001 2020004", W, P::NameTypedAgain, "", "BANSHEE", ""},
      {H, "1450.0, 1.7, 85", E, P::Comma, "", "1450.0,", ""},
      {H, h + "21G001 2020004", E, P::NotHexadecimal, "AJ", "21G001", ""},
      {V, "car, NIGHTFALL" + v.substr(12), E, P::UnknownHandling, "handling", "NIGHTFALL", ""},
      {C, "1,1, 2,2, 3,3, 4,4, 5,5, 6,6, 7,7, 8,8, 9,9", E, P::TooManyCombinations, "", "9", "8"},
  };
  for (const auto& c : cases) {
    const auto findings = checkTyped(game.s, c.file, c.typed).findings;
    ASSERT_FALSE(findings.empty()) << c.typed;
    EXPECT_EQ(findings[0], (Finding{c.file, 0, c.field, c.severity, c.problem, c.found, c.expected}));
  }
  game.lookUp("DINGHY", Category::Boat); // gears do not apply to a boat
  std::string gears = typedPart(game, H);
  EXPECT_EQ(checkTyped(game.s, H, gears.replace(gears.find("  1  "), 5, " 0 ")).findings, Findings{});
  game.s.file(H).lines.erase(game.s.file(H).lines.size() - 1); // changed on disk since the lookup
  game.s.file(H).lineIndex = std::to_string(game.s.file(H).lines.size());
  EXPECT_EQ(checkTyped(game.s, H, "x").findings, Findings{}) << "no line there to judge by";
}

TEST(LineCheck, judgesASectionWithAnotherLayoutByItsOwnLines) {
  EXPECT_EQ(
      checked(
          {LineBuffer{"A 1 2", "B 3 4", "C 5 x", "D 6", "; For Bikes:", "F 1", "E 1 2 3 4 5 6 7 8 9 10 11",
                      "; For Aircraft:", "G 1, 2 3 4 5 6 7 8 9 10 11 12", "H 1 2 3 4 5 6 7 8 9 10 11 x"},
           LineBuffer{}, LineBuffer{"col", "0,0,0", "end", "car4", "a, 0,0,0,0, 0,0,0,1", "b, 0", "end"}}),
      (Findings{{H, 3, "3", E, P::NotANumber, "x", ""},
                {H, 4, "", E, P::FieldCount, "2", "3"},
                {H, 6, "", E, P::FieldCount, "2", "12"}, // a tie: the documented one
                {H, 9, "", E, P::Comma, "1,", ""},
                {H, 10, "M", E, P::NotANumber, "x", ""},
                {C, 5, "9", E, P::BeyondColourTable, "1", "1"},
                {C, 6, "", E, P::PartCombination, "1", "4"}}));
}

// A section whose findings would fill the memory is judged again and reported line by line: all of it.
TEST(LineCheck, reportsEveryFindingOfAHugelyBrokenSection) {
  LineBuffer carcols{"col", "0,0,0", "end", "car"};
  for (int i = 0; i < 100001; ++i)
    carcols.append("a, 1,0");
  EXPECT_EQ(checked({LineBuffer{}, LineBuffer{}, carcols}).size(), 100002u) << "each line's, and the end's";
}

// The numbers as the files write them, and those too long for a double, which must not read as 0.
TEST(LineCheck, readsNumbersAsTheFilesWriteThem) {
  // Built by appending: GCC 12's optimiser warns falsely of "1" + std::string.
  std::string largest(309, '0'), tiny(403, '0');
  largest[0] = '1', tiny[1] = '.', tiny.back() = '1';
  const std::tuple<std::string, std::optional<double>, bool> cases[] = {
      {"1.", 1.0, false},        {".5", 0.5, false},      {"+7", 7.0, false},
      {"-0", 0.0, false},        {"-1.25", -1.25, false}, {"0000000000000000012.50", 12.5, false},
      {"1e5", {}, false},        {".", {}, false},        {"-", {}, false},
      {"1.2.3", {}, false},      {"", {}, false},         {largest, 1e308, false},
      {largest + "0", {}, true}, {tiny, {}, true}};
  for (const auto& [text, value, tooLong] : cases) {
    bool unreadable = false;
    EXPECT_EQ(form::decimal(text, &unreadable), value) << text;
    EXPECT_EQ(unreadable, tooLong) << text;
  }
}
