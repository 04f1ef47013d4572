// fleetwick-cli status and reset end to end: a player's changes found, put back and undone.
#include "CliRun.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

TEST(StockCli, statusFindsWhatResetPutsBackAndRestoreUndoes) {
  TempFolder game;
  makeGameFolder(game, FLEETWICK_SOURCE_DIR "/data");
  const auto run = [&](const std::string& words, const std::string& before = "") {
    return cli({"-C", game.str()}, words, before);
  };
  const std::string stock = game.read("common/data/handling.dat");
  EXPECT_EQ(run("status").out, "Every vehicle's lines are as the game shipped them.\n");
  const std::size_t banshee = stock.find("\nBANSHEE ") + 18; // its values
  std::string values = stock.substr(banshee, stock.find('\r', banshee) - banshee);
  ASSERT_EQ(run("replace BANSHEE --handling '" + values.replace(0, 6, "1234.0") + "'").code, 0);
  std::string carcols = game.read("common/data/carcols.dat");
  game.write("common/data/carcols.dat", carcols.replace(carcols.find("pcj,"), 4, "pcx,"));
  const std::string
      changed = game.read("common/data/handling.dat"),
      status = "BANSHEE handling.dat:230: changed: B mass 1450.0 -> 1234.0\nPCJ carcols.dat: missing\n"
               "Differing from stock: 2 lines of 2 vehicles.\n";
  EXPECT_EQ(run("status").out, status);
  EXPECT_EQ(run("reset BANSHEE --dry-run --handling").out.substr(0, 33),
            "handling.dat:230\n- BANSHEE 1234.0");
  EXPECT_EQ(game.read("common/data/handling.dat"), changed) << "a dry run writes nothing";
  EXPECT_EQ(run("reset BANSHEE").out, "vehicles.ide: as the game shipped it, left alone\n"
                                      "carcols.dat: as the game shipped it, left alone\n"
                                      "Backup handling_BANSHEE_2.hb made...\nhandling.dat written...\n"
                                      "To undo: fleetwick-cli -C \"" +
                                          game.str() + "\" restore handling_BANSHEE_2\n");
  EXPECT_EQ(game.read("common/data/handling.dat"), stock);
  const Cli refused = run("reset PCJ --carcols");
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.err, "carcols.dat: not reset: it has no line for PCJ.\n");
  EXPECT_EQ(run("reset PCJ --frob").code, 2);
  std::filesystem::remove(game.path("common/data/vehicles.ide"));
  const Cli unreadable = run("status");
  EXPECT_EQ(unreadable.code, 1);
  EXPECT_NE(unreadable.err.find(" has no common/data/vehicles.ide. Run"), std::string::npos)
      << unreadable.err;
}

} // namespace
} // namespace fw::test
