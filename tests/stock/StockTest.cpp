// The game folder against the stock copies, and a vehicle put back: a stock folder changed as
// players change theirs.
#include "Game.h"
#include "common/FileKinds.h"
#include "stock/Changes.h"
#include "stock/Reset.h"

#include <gtest/gtest.h>

namespace fw::test {

// One line the comparison reports; its values as "NAME STOCK -> NOW", "-" where the line has none.
struct Row {
  std::string vehicle;
  FileKind file;
  std::int64_t line; // 0 when missing
  std::vector<std::string> values;
  std::string lineOf;
  std::vector<std::string> sharedWith = {};
  bool operator==(const Row&) const = default;
};
void PrintTo(const Row& r, std::ostream* os) {
  *os << r.vehicle << " " << kindInfo(r.file).fileName << ":" << r.line << testing::PrintToString(r.values)
      << " of " << r.lineOf << " shared" << testing::PrintToString(r.sharedWith);
}

namespace {

struct StockGame : Game {
  StockGame() : Game(FLEETWICK_SOURCE_DIR "/data") { start(); }
  // The first `from` of a data file replaced, as an editor does.
  void edit(const std::string& file, const std::string& from, const std::string& to) const {
    std::string bytes = folder.read("common/data/" + file);
    ASSERT_NE(bytes.find(from), bytes.npos) << from;
    folder.write("common/data/" + file, bytes.replace(bytes.find(from), from.size(), to));
  }
  std::vector<stock::VehicleChanges> changes() const {
    std::array<LineBuffer, 3> files;
    for (FileKind k : kFileKinds)
      files[indexOf(k)] =
          LineBuffer::fromBytes(folder.read("common/data/" + std::string(kindInfo(k).fileName)));
    return stock::changesAgainstStock(files);
  }
};

std::string valueOf(std::string_view line, stock::Span at) {
  return at.present() ? std::string(stock::valueAt(line, at)) : "-";
}

TEST(Stock, statusListsEveryLineThatDiffersFromStock) {
  using enum FileKind;
  const struct {
    const char* what;
    std::function<void(StockGame&)> change;
    std::vector<Row> expected;
  } cases[] = {
      {"as shipped", [](StockGame&) {}, {}},
      {"a replace",
       [](StockGame& g) {
         g.lookUp("BANSHEE");
         g.write(Handling, std::string(g.s.file(Handling).lines.at(229).substr(17)).replace(0, 6, "1234.0"));
       },
       {{"BANSHEE", Handling, 230, {"B mass 1450.0 -> 1234.0"}, ""}}},
      {"a hand edit of a name", // letter case counts
       [](StockGame& g) {
         g.edit("vehicles.ide", "0.2968,\t-1,\t1.5,\t3,\t0", "0.2968,\t-1,\t1.5,\t3,\tFlag_x");
       },
       {{"BANSHEE", Vehicles, 26, {"flags 0 -> Flag_x"}, ""}}},
      {"separators and line ends only",
       [](StockGame& g) {
         g.edit("handling.dat", "BANSHEE          1450.0   1.7   85  0.01", "BANSHEE\t1450.0 1.7\t\t85 0.01");
         g.edit("vehicles.ide", "banshee,\tbanshee,\tcar,\tBANSHEE,", "banshee, banshee,car ,  BANSHEE ,");
         g.edit("carcols.dat", "\t149,20,\t53,53\r\n", " 149,20, 53,53,\n");
       },
       {}},
      {"a missing line",
       [](StockGame& g) { g.edit("carcols.dat", "pcj,", "pcx,"); },
       {{"PCJ", Carcols, 0, {}, ""}}},
      {"a bike and a boat, a value short",
       [](StockGame& g) {
         g.edit("handling.dat", "PCJ               250.0", "PCJ               260.0");
         g.edit("carcols.dat", "92,92,\t78,78,\t34,34", "92,92,\t78,78,\t34");
       },
       {{"PCJ", Handling, 332, {"B mass 250.0 -> 260.0"}, ""}, {"TUG", Carcols, 308, {" 34 -> -"}, ""}}},
      {"a shared handling line",
       [](StockGame& g) {
         g.edit("vehicles.ide", "infernus,\tcar,\tINFERNUS", "infernus,\tcar,\tBANSHEE");
         g.edit("handling.dat", "BANSHEE          1450.0", "BANSHEE          1500.0");
       },
       {{"BANSHEE", Handling, 230, {"B mass 1450.0 -> 1500.0"}, "", {"INFERNUS"}},
        {"INFERNUS", Handling, 230, {"B mass 1450.0 -> 1500.0"}, "BANSHEE"},
        {"INFERNUS", Vehicles, 65, {"handling INFERNUS -> BANSHEE"}, ""}}},
  };
  for (const auto& c : cases) {
    StockGame game;
    c.change(game);
    std::vector<Row> rows;
    for (const stock::VehicleChanges& v : game.changes())
      for (const stock::LineChange& l : v.lines) {
        rows.push_back({v.label, l.kind, l.index + 1, {}, l.lineOf, l.sharedWith});
        for (const stock::FieldChange& f : l.fields)
          rows.back().values.push_back(f.name + " " + valueOf(l.stock, f.stock) + " -> " +
                                       valueOf(l.current, f.current));
      }
    EXPECT_EQ(rows, c.expected) << c.what;
  }
  // Without its section marker the lookup reaches no line of the files it searches from there on.
  StockGame game;
  game.edit("vehicles.ide", "# Trains", "# trains");
  for (const stock::VehicleChanges& v : game.changes()) {
    ASSERT_EQ(v.lines.size(), 2u) << v.label << ": vehicles.ide and carcols.dat of a boat";
    EXPECT_EQ(v.lines[1].marker, std::string("# Trains"));
    EXPECT_EQ(v.lines[1].markerFile, FileKind::Vehicles);
  }
}

TEST(Stock, resetWritesTheStockLinesWithBackupsThatUndoIt) {
  StockGame game;
  game.edit("vehicles.ide", "infernus,\tcar,\tINFERNUS", "infernus,\tcar,\tBANSHEE");
  game.edit("handling.dat", "BANSHEE          1450.0", "BANSHEE 1500.0");
  game.edit("carcols.dat", "banshee,\t45,0", "banshee,\t46,0");
  game.edit("carcols.dat", "pcj,", "pcx,");
  const auto changed = game.files();
  stock::ResetPlan plan = stock::planReset(game.s, Category::Car, "BANSHEE", kFileKinds);
  EXPECT_EQ(plan.files[0].alsoChanges, std::vector<std::string>{"INFERNUS"});
  EXPECT_EQ(plan.files[1].step, stock::ResetStep::Unchanged);
  stock::resetToStock(game.s, std::move(plan), game.services);
  EXPECT_EQ(game.folder.read("common/data/handling.dat"),
            readBytes(FLEETWICK_SOURCE_DIR "/data/handling.dat"));
  EXPECT_EQ(game.restore(FileKind::Handling, "handling_BANSHEE_1.hb"), "");
  EXPECT_EQ(game.restore(FileKind::Carcols, "carcols_BANSHEE_1.hb"), "");
  for (const char* file : {"common/data/handling.dat", "common/data/carcols.dat"})
    EXPECT_EQ(game.folder.read(file), changed.at(file)) << "the backups undo the reset";
  // A line the folder lacks is refused; the program writes no vehicles.ide line of a handling-only car.
  EXPECT_EQ(stock::planReset(game.s, Category::Bike, "PCJ", kFileKinds).files[2].step,
            stock::ResetStep::Missing);
  EXPECT_EQ(stock::planReset(game.s, Category::Car, "CONTENDER", kFileKinds).files[1].step,
            stock::ResetStep::NotOffered);
}

} // namespace
} // namespace fw::test
