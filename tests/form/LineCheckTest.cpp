// The check of the files' form: the stock copies pass it, each mistake players make gives its
// finding, and a game whose lines have another layout is judged by its own lines.
#include "Game.h"
#include "common/FileKinds.h"
#include "records/Catalogue.h"

#include <gtest/gtest.h>

using namespace fw;
using form::Finding;
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

TEST(LineCheck, theStockCopiesPassLineByLineAndTypedIntoTheirRows) {
  test::Game game(FLEETWICK_SOURCE_DIR "/data");
  game.start();
  std::vector<Finding> found;
  form::checkFiles({game.s.file(H).lines, game.s.file(V).lines, game.s.file(C).lines},
                   [&](const Finding& f) { found.push_back(f); });
  EXPECT_EQ(found, std::vector<Finding>{});
  for (Category c : kCategories) {
    for (const catalogue::Entry& e : catalogue::entries(c)) {
      game.lookUp(std::string(e.text), c);
      for (FileKind k : kFileKinds) {
        if (!game.s.file(k).record.found) continue;
        // The line without what the program adds: the identifier, or the model name (twice).
        std::string line(game.s.file(k).lines.at(std::stoll(game.s.file(k).lineIndex)));
        for (int own = k == V ? 2 : 1; own-- > 0;)
          line.erase(0, line.find(k == H ? ' ' : ',') + 1);
        EXPECT_EQ(checkTyped(game.s, k, line).findings, std::vector<Finding>{}) << e.text << line;
      }
    }
  }
}

TEST(LineCheck, eachMistakeGivesItsFindingFirst) {
  test::Game game(FLEETWICK_SOURCE_DIR "/data");
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
      {H, "heavy" + h.substr(6) + "210001 2020004", E, P::NotANumber, "B", "heavy", ""},
      {H, h + "21G001 2020004", E, P::NotHexadecimal, "AJ", "21G001", ""},
      {H, "60000" + h.substr(6) + "210001 2020004", W, P::OutOfRange, "B", "60000", "1.0..50000.0"},
      {V, "car, NIGHTFALL" + v.substr(12), E, P::UnknownHandling, "handling", "NIGHTFALL", ""},
      {V, "tank" + v.substr(3), E, P::UnknownType, "type", "tank", "car, bike, heli, boat, train"},
      {C, "45,0, 149,159", E, P::BeyondColourTable, "5", "159", "159"},
      {C, "45,0, 149", E, P::PartCombination, "", "3", "2"},
      {C, "1,1, 2,2, 3,3, 4,4, 5,5, 6,6, 7,7, 8,8, 9,9", E, P::TooManyCombinations, "", "9", "8"},
  };
  for (const auto& c : cases) {
    const auto findings = checkTyped(game.s, c.file, c.typed).findings;
    ASSERT_FALSE(findings.empty()) << c.typed;
    EXPECT_EQ(findings[0], (Finding{c.file, 0, c.field, c.severity, c.problem, c.found, c.expected}));
  }
}

TEST(LineCheck, judgesASectionWithAnotherLayoutByItsOwnLines) {
  std::vector<Finding> found;
  form::checkFiles(
      {LineBuffer{"A 1 2", "B 3 4", "C 5 x", "D 6", "; For Bikes:", "F 1", "E 1 2 3 4 5 6 7 8 9 10 11",
                  "; For Aircraft:", "G 1, 2 3 4 5 6 7 8 9 10 11 12", "H 1 2 3 4 5 6 7 8 9 10 11 x"},
       LineBuffer{}, LineBuffer{"col", "0,0,0", "end", "car4", "a, 0,0,0,0, 0,0,0,1", "b, 0"}},
      [&](const Finding& f) { found.push_back(f); });
  EXPECT_EQ(found, (std::vector<Finding>{{H, 3, "3", E, P::NotANumber, "x", ""},
                                         {H, 4, "", E, P::FieldCount, "2", "3"},
                                         {H, 6, "", E, P::FieldCount, "2", "12"}, // a tie: the documented one
                                         {H, 9, "", E, P::Comma, "1,", ""},
                                         {H, 10, "M", E, P::NotANumber, "x", ""},
                                         {C, 5, "9", E, P::BeyondColourTable, "1", "1"},
                                         {C, 6, "", E, P::PartCombination, "1", "4"}}));
}
