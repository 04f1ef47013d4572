// fleetwick-cli status and reset end to end: a player's changes found, put back and undone.
#include "Cli.h"
#include "Game.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

struct StockGame : Game {
  StockGame() : Game(FLEETWICK_SOURCE_DIR "/data") {}
  Cli run(const std::string& words, const std::string& before = "") const {
    return cli({"-C", folder.str()}, words, before);
  }
  std::string data(const char* file) const { return folder.read(std::string("common/data/") + file); }
};

std::string stockFile(const char* file) {
  return readBytes(FLEETWICK_SOURCE_DIR "/data/" + std::string(file));
}

TEST(StockCli, statusFindsWhatResetPutsBackAndRestoreUndoes) {
  StockGame game;
  EXPECT_EQ(game.run("status").out, "Every vehicle's lines are as the game shipped them.\n");
  std::string values = LineBuffer::fromBytes(stockFile("handling.dat")).lines()[229].substr(17);
  ASSERT_EQ(game.run("replace BANSHEE --handling '" + values.replace(0, 6, "1234.0") + "'").code, 0);
  game.folder.write("common/data/carcols.dat",
                    game.data("carcols.dat").replace(game.data("carcols.dat").find("pcj,"), 3, "pcx"));
  const std::string changed = game.data("handling.dat");
  const std::string status = "BANSHEE handling.dat:230: changed: B mass 1450.0 -> 1234.0\n"
                             "PCJ carcols.dat: missing\n"
                             "Differing from stock: 2 lines of 2 vehicles.\n";
  EXPECT_EQ(game.run("status").out, status);
  EXPECT_EQ(game.run("status", "LC_ALL=ru_RU.UTF-8").out,
            "BANSHEE handling.dat:230: изменена: B mass 1450.0 -> 1234.0\nPCJ carcols.dat: нет строки\n"
            "Отличаются от оригинала строк: 2, машин: 2.\n");

  const Cli dry = game.run("reset BANSHEE --dry-run --handling");
  EXPECT_EQ(dry.out.substr(0, 33), "handling.dat:230\n- BANSHEE 1234.0");
  EXPECT_NE(dry.out.find("+ BANSHEE          1450.0"), std::string::npos) << dry.out;
  EXPECT_EQ(game.data("handling.dat"), changed) << "a dry run writes nothing";

  const Cli reset = game.run("reset BANSHEE");
  EXPECT_EQ(reset.code, 0) << reset.err;
  EXPECT_EQ(reset.out, "vehicles.ide: as the game shipped it, left alone\n"
                       "carcols.dat: as the game shipped it, left alone\n"
                       "Резервная копия handling_BANSHEE_2.hb создана...\nhandling.dat записан...\n"
                       "Undo: fleetwick-cli restore handling_BANSHEE_2.hb\n");
  EXPECT_EQ(game.data("handling.dat"), stockFile("handling.dat"));
  EXPECT_EQ(game.run("restore handling_BANSHEE_2.hb").code, 0);
  EXPECT_EQ(game.run("status").out, status) << "the reset's backup undoes it";

  const Cli refused = game.run("reset PCJ --carcols");
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.err, "carcols.dat: not reset: it has no line for PCJ.\n");
  EXPECT_EQ(game.run("reset PCJ --frob").code, 2);
  std::filesystem::remove(game.folder.path("common/data/vehicles.ide"));
  const Cli unreadable = game.run("status");
  EXPECT_EQ(unreadable.code, 1);
  EXPECT_EQ(unreadable.err, "Cannot open file common//data//vehicles.ide.\n");
}

} // namespace
} // namespace fw::test
