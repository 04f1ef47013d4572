// The game folder against the stock copies, and a vehicle put back: a stock folder changed as
// players change theirs.
#include "Game.h"
#include "common/FileKinds.h"
#include "stock/Changes.h"
#include "stock/Reset.h"
#include "stock/StockCopies.h"

#include <gtest/gtest.h>

namespace fw::test {

// One line the comparison reports, its values as "NAME STOCK -> NOW" ("-" where there is none).
struct Row {
  std::string vehicle;
  FileKind file;
  std::int64_t line; // 1-based; 0 when missing
  std::vector<std::string> values;
  std::string lineOf;
  std::vector<std::string> sharedWith;
  bool operator==(const Row&) const = default;
};

void PrintTo(const Row& r, std::ostream* os) {
  *os << r.vehicle << " " << indexOf(r.file) << ":" << r.line;
  for (const std::string& v : r.values)
    *os << " [" << v << "]";
  *os << " of:" << r.lineOf << " shared:" << r.sharedWith.size();
}

namespace {

struct StockGame : Game {
  StockGame() : Game(FLEETWICK_SOURCE_DIR "/data") { start(); }
  // Replaces the first `from` in a data file, as an editor would.
  void edit(const std::string& file, const std::string& from, const std::string& to) const {
    std::string bytes = folder.read("common/data/" + file);
    ASSERT_NE(bytes.find(from), bytes.npos) << from;
    folder.write("common/data/" + file, bytes.replace(bytes.find(from), from.size(), to));
  }
  std::array<LineBuffer, 3> dataFiles() const {
    std::array<LineBuffer, 3> files;
    for (FileKind k : kFileKinds)
      files[indexOf(k)] =
          LineBuffer::fromBytes(folder.read("common/data/" + std::string(kindInfo(k).fileName)));
    return files;
  }
  std::vector<Row> status() const {
    std::vector<Row> rows;
    for (const stock::VehicleChanges& v : stock::changesAgainstStock(dataFiles()))
      for (const stock::LineChange& l : v.lines) {
        Row row{v.label, l.kind, l.index + 1, {}, l.lineOf, l.sharedWith};
        for (const stock::FieldChange& f : l.fields)
          row.values.push_back(
              f.name + " " + std::string(f.stock.present() ? stock::valueAt(l.stock, f.stock) : "-") +
              " -> " + std::string(f.current.present() ? stock::valueAt(l.current, f.current) : "-"));
        rows.push_back(row);
      }
    return rows;
  }
};

const std::string kBansheeValues = "1450.0   1.7   85  0.01  0.02 -0.09  0.5  6  0.32  1.2  206.9";

TEST(Stock, statusListsEveryLineThatDiffersFromStock) {
  const struct {
    const char* what;
    std::function<void(StockGame&)> change;
    std::vector<Row> expected;
  } cases[] = {
      {"none", [](StockGame&) {}, {}},
      {"a replace",
       [](StockGame& g) {
         g.lookUp("BANSHEE");
         std::string values(stock::copyOf(FileKind::Handling).at(229).substr(17));
         EXPECT_EQ(g.write(FileKind::Handling, values.replace(0, 6, "1234.0")), "");
       },
       {{"BANSHEE", FileKind::Handling, 230, {"B mass 1450.0 -> 1234.0"}, "", {}}}},
      {"a hand edit, a name among the values", // the flag names count, letter case too
       [](StockGame& g) {
         g.edit("vehicles.ide", "0.2968,\t-1,\t1.5,\t3,\t0", "0.2968,\t-1,\t1.5,\t3,\tFlag_X");
       },
       {{"BANSHEE", FileKind::Vehicles, 26, {"flags 0 -> Flag_X"}, "", {}}}},
      {"separators and line ends only",
       [](StockGame& g) {
         g.edit("handling.dat", "BANSHEE          " + kBansheeValues,
                "BANSHEE\t1450.0 1.7\t\t85 0.01 0.02 -0.09 0.5 6 0.32 1.2 206.9");
         g.edit("vehicles.ide", "banshee,\tbanshee,\tcar,\tBANSHEE,", "banshee, banshee,car ,  BANSHEE ,");
         g.edit("carcols.dat", "banshee,\t45,0,\t149,149,\t35,35,\t149,20,\t53,53\r\n",
                "banshee, 45,0, 149,149, 35,35, 149,20, 53,53,\n");
       },
       {}},
      {"a missing line",
       [](StockGame& g) { g.edit("carcols.dat", "pcj,\t", "pcjx,\t"); },
       {{"PCJ", FileKind::Carcols, 0, {}, "", {}}}},
      {"a bike and a boat, a value short",
       [](StockGame& g) {
         g.edit("handling.dat", "PCJ               250.0", "PCJ               260.0");
         g.edit("carcols.dat", "tuga,\t30,0,\t30,30,\t34,0,\t24,24,\t92,92,\t78,78,\t34,34",
                "tuga,\t30,0,\t30,30,\t34,0,\t24,24,\t92,92,\t78,78,\t34");
       },
       {{"PCJ", FileKind::Handling, 332, {"B mass 250.0 -> 260.0"}, "", {}},
        {"TUG", FileKind::Carcols, 308, {" 34 -> -"}, "", {}}}},
      {"a shared handling line",
       [](StockGame& g) {
         g.edit("vehicles.ide", "infernus,\tcar,\tINFERNUS", "infernus,\tcar,\tBANSHEE");
         g.edit("handling.dat", "BANSHEE          1450.0", "BANSHEE          1500.0");
       },
       {{"BANSHEE", FileKind::Handling, 230, {"B mass 1450.0 -> 1500.0"}, "", {"INFERNUS"}},
        {"INFERNUS", FileKind::Handling, 230, {"B mass 1450.0 -> 1500.0"}, "BANSHEE", {}},
        {"INFERNUS", FileKind::Vehicles, 65, {"handling INFERNUS -> BANSHEE"}, "", {}}}},
  };
  for (const auto& c : cases) {
    StockGame game;
    c.change(game);
    EXPECT_EQ(game.status(), c.expected) << c.what;
  }
  // A file without a section marker: the lookup searches no line of the category's part of it.
  StockGame game;
  game.edit("vehicles.ide", "# Trains", "# trains");
  for (const stock::VehicleChanges& v : stock::changesAgainstStock(game.dataFiles())) {
    EXPECT_EQ(v.category, Category::Boat) << v.label;
    ASSERT_EQ(v.lines.size(), 2u) << v.label
                                  << ": vehicles.ide and carcols.dat, which the lookup reaches after it";
    EXPECT_EQ(std::string(v.lines[1].marker), "# Trains");
    EXPECT_EQ(v.lines[1].markerFile, FileKind::Vehicles);
  }
}

TEST(Stock, resetWritesTheStockLinesWithBackupsThatUndoIt) {
  StockGame game;
  game.edit("vehicles.ide", "infernus,\tcar,\tINFERNUS", "infernus,\tcar,\tBANSHEE");
  game.edit("handling.dat", "BANSHEE          1450.0", "BANSHEE 1500.0");
  game.edit("carcols.dat", "banshee,\t45,0", "banshee,\t46,0");
  const auto changed = game.files();
  stock::ResetPlan plan = stock::planReset(game.s, Category::Car, "BANSHEE", kFileKinds);
  ASSERT_EQ(plan.files.size(), 3u);
  EXPECT_EQ(plan.files[0].step, stock::ResetStep::Write);
  EXPECT_EQ(plan.files[0].alsoChanges, std::vector<std::string>{"INFERNUS"});
  EXPECT_EQ(plan.files[1].step, stock::ResetStep::Unchanged);
  EXPECT_EQ(plan.files[2].step, stock::ResetStep::Write);
  stock::resetToStock(game.s, std::move(plan), game.services);
  for (const char* file : {"handling.dat", "carcols.dat"})
    EXPECT_EQ(game.folder.read(std::string("common/data/") + file),
              readBytes(FLEETWICK_SOURCE_DIR "/data/" + std::string(file)));
  EXPECT_EQ(game.folder.read("backup/handling/handling_BANSHEE_1.hb"),
            std::string(LineBuffer::fromBytes(changed.at("common/data/handling.dat")).at(229)) + "\r\n");
  EXPECT_EQ(game.log(), (std::vector<std::string>{
                            "Резервная копия handling_BANSHEE_1.hb создана...", "handling.dat записан...",
                            "Резервная копия carcols_BANSHEE_1.hb создана...", "carcols.dat записан..."}));
  EXPECT_EQ(game.restore(FileKind::Handling, "handling_BANSHEE_1.hb"), "");
  EXPECT_EQ(game.restore(FileKind::Carcols, "carcols_BANSHEE_1.hb"), "");
  for (const char* file : {"common/data/handling.dat", "common/data/carcols.dat"})
    EXPECT_EQ(game.files().at(file), changed.at(file)) << "the restore undoes the reset";
  // A line the folder lacks is refused, with nothing written; a vehicle as shipped is left alone.
  game.edit("carcols.dat", "pcj,\t", "pcjx,\t");
  const auto before = game.files();
  plan = stock::planReset(game.s, Category::Bike, "PCJ", kFileKinds);
  EXPECT_EQ(plan.files[2].step, stock::ResetStep::Missing);
  EXPECT_TRUE(plan.writes.empty());
  EXPECT_EQ(stock::planReset(game.s, Category::Car, "CONTENDER", kFileKinds).files[1].step,
            stock::ResetStep::NotOffered);
  EXPECT_EQ(game.files(), before);
}

} // namespace
} // namespace fw::test
