// The game folder against the stock copies, and vehicles put back: a stock folder changed as players
// change theirs.
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

using enum FileKind;

struct StockGame : Game {
  StockGame() : Game(FLEETWICK_SOURCE_DIR "/data") { start(); }
  std::string path(FileKind k) const { return "common/data/" + std::string(kindInfo(k).fileName); }
  // The first `from` of a data file replaced, as an editor does.
  void edit(FileKind k, const std::string& from, const std::string& to) const {
    std::string bytes = folder.read(path(k));
    ASSERT_NE(bytes.find(from), bytes.npos) << from;
    folder.write(path(k), bytes.replace(bytes.find(from), from.size(), to));
  }
  std::vector<stock::VehicleChanges> changes() const {
    std::array<LineBuffer, 3> files;
    for (FileKind k : kFileKinds)
      files[indexOf(k)] = LineBuffer::fromBytes(folder.read(path(k)));
    return stock::changesAgainstStock(files);
  }
  std::vector<Row> status() const {
    const auto value = [](std::string_view line, stock::Span at) {
      return at.present() ? std::string(stock::valueAt(line, at)) : "-";
    };
    std::vector<Row> rows;
    for (const stock::VehicleChanges& v : changes())
      for (const stock::LineChange& l : v.lines) {
        rows.push_back({v.label, l.kind, l.index + 1, {}, l.lineOf, l.sharedWith});
        for (const stock::FieldChange& f : l.fields)
          rows.back().values.push_back(f.name + " " + value(l.stock, f.stock) + " -> " +
                                       value(l.current, f.current));
      }
    return rows;
  }
};

TEST(Stock, statusListsWhatDiffersAndResetPutsItBackWithBackupsThatUndoIt) {
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
       [](StockGame& g) { g.edit(Vehicles, "0.2968,\t-1,\t1.5,\t3,\t0", "0.2968,\t-1,\t1.5,\t3,\tFlag_x"); },
       {{"BANSHEE", Vehicles, 26, {"flags 0 -> Flag_x"}, ""}}},
      {"separators and line ends only",
       [](StockGame& g) {
         g.edit(Handling, "BANSHEE          1450.0   1.7   85  0.01", "BANSHEE\t1450.0 1.7\t\t85 0.01");
         g.edit(Vehicles, "banshee,\tbanshee,\tcar,\tBANSHEE,", "banshee, banshee,car ,  BANSHEE ,");
         g.edit(Carcols, "\t149,20,\t53,53\r\n", " 149,20, 53,53,\n");
       },
       {}},
      {"a missing line",
       [](StockGame& g) { g.edit(Carcols, "pcj,", "pcx,"); },
       {{"PCJ", Carcols, 0, {}, ""}}},
      {"a bike and a boat, a value short",
       [](StockGame& g) {
         g.edit(Handling, "PCJ               250.0", "PCJ               260.0");
         g.edit(Handling, "0.40   13500  11000001         0", "0.40   13500  11000001         0 7");
         g.edit(Carcols, "92,92,\t78,78,\t34,34", "92,92,\t78,78,\t34");
       },
       {{"PCJ", Handling, 332, {"B mass 250.0 -> 260.0", " - -> 7"}, ""},
        {"TUG", Carcols, 308, {" 34 -> -"}, ""}}},
      {"a shared handling line",
       [](StockGame& g) {
         g.edit(Vehicles, "infernus,\tcar,\tINFERNUS", "infernus,\tcar,\tBANSHEE");
         g.edit(Handling, "BANSHEE          1450.0", "BANSHEE          1500.0");
       },
       {{"BANSHEE", Handling, 230, {"B mass 1450.0 -> 1500.0"}, "", {"INFERNUS"}},
        {"INFERNUS", Handling, 230, {"B mass 1450.0 -> 1500.0"}, "BANSHEE"},
        {"INFERNUS", Vehicles, 65, {"handling INFERNUS -> BANSHEE"}, ""}}},
  };
  for (const auto& c : cases) {
    StockGame game;
    c.change(game);
    EXPECT_EQ(game.status(), c.expected) << c.what;
    // Each vehicle listed is reset, the reset undone by restoring its backups, then reset for good.
    for (const stock::VehicleChanges& v : game.changes()) {
      const auto before = game.files();
      const auto reset = [&] {
        return stock::resetToStock(game.s, stock::planReset(game.s, v.category, v.label, kFileKinds),
                                   game.services);
      };
      for (const WrittenFile& w : reset())
        EXPECT_EQ(game.restore(w.kind, w.backupName), "") << c.what;
      for (FileKind k : kFileKinds)
        EXPECT_EQ(game.folder.read(game.path(k)), before.at(game.path(k))) << c.what << ": restored";
      reset();
    }
    for (const Row& row : game.status())
      EXPECT_EQ(row.line, 0) << c.what << ": after the resets only the missing lines differ";
  }
  StockGame game;
  game.edit(Vehicles, "infernus,\tcar,\tINFERNUS", "infernus,\tcar,\tBANSHEE");
  game.edit(Handling, "BANSHEE          1450.0", "BANSHEE 1500.0");
  EXPECT_EQ(stock::planReset(game.s, Category::Car, "BANSHEE", kFileKinds).files[0].alsoChanges,
            std::vector<std::string>{"INFERNUS"});
  EXPECT_EQ(stock::planReset(game.s, Category::Car, "CONTENDER", kFileKinds).files[1].step,
            stock::ResetStep::NotOffered);
  // Without its section marker the lookup reaches no line of the files it searches from there on.
  // TUG's handling line is missing for want of the line itself.
  game.edit(Vehicles, "# Trains", "# trains");
  game.edit(Handling, "TUG             12000.0", "TUGX            12000.0");
  const stock::VehicleChanges tug = game.changes().back();
  ASSERT_EQ(tug.lines.size(), 3u) << tug.label;
  EXPECT_EQ(tug.lines[0].marker, nullptr);
  EXPECT_EQ(tug.lines[2].marker, std::string("# Trains"));
  EXPECT_EQ(tug.lines[2].markerFile, Vehicles);
  EXPECT_EQ(stock::planReset(game.s, Category::Boat, "TUG", kFileKinds).files[1].step,
            stock::ResetStep::Missing);
}

} // namespace
} // namespace fw::test
