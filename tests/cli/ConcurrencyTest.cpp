// The window and scripts writing one game folder at the same time lose nothing of each other's.
#include "CliRun.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

std::size_t linesStartingWith(const std::string& text, const std::string& start) {
  std::size_t n = text.starts_with(start) ? 1 : 0;
  for (std::size_t at = 0; (at = text.find("\n" + start, at)) != std::string::npos; ++at)
    ++n;
  return n;
}

// Every change is in the file and every backup is listed once in both lists.
void expectAllKept(const TempFolder& game, const std::vector<std::string>& vehicles) {
  const std::string data = game.read("common/data/handling.dat");
  const std::string names = game.read("backup/hblistb.txt"), dated = game.read("backup/hblist.txt");
  for (const std::string& v : vehicles) {
    SCOPED_TRACE(v);
    EXPECT_EQ(linesStartingWith(data, v + " 7 " + v + "\r\n"), 1u);
    // Numbers go by the list's length, so only the vehicle part of the name is known.
    EXPECT_EQ(linesStartingWith(names, "handling_" + v + "_"), 1u);
    EXPECT_EQ(linesStartingWith(dated, "handling_" + v + "_"), 1u);
  }
}

TEST(ConcurrencyTest, aWindowStartedEarlierKeepsAScriptsBackupInEitherOrder) {
  for (bool windowFirst : {true, false}) {
    SCOPED_TRACE(windowFirst ? "window first" : "script first");
    TempFolder game(true);
    makeStockGame(game);
    Window window;
    window.lookUp(Category::Car, "ADMIRAL");
    auto script = [&] {
      EXPECT_EQ(runCli({"-C", game.str(), "replace", "BANSHEE", "--handling", "7 BANSHEE"}).code, 0);
    };
    if (!windowFirst) script();
    window.write(FileKind::Handling, "7 ADMIRAL");
    if (windowFirst) script();
    expectAllKept(game, {"ADMIRAL", "BANSHEE"});
  }
}

TEST(ConcurrencyTest, scriptsRunningAtOnceOnOneFileKeepEveryChange) {
  TempFolder game;
  makeStockGame(game);
  const std::vector<std::string> vehicles = {"ADMIRAL", "BANSHEE", "COMET", "INFERNUS"};
  std::vector<CliProcess> scripts;
  for (const std::string& v : vehicles)
    scripts.emplace_back(std::vector<std::string>{"-C", game.str(), "replace", v, "--handling", "7 " + v});
  for (CliProcess& p : scripts)
    EXPECT_EQ(p.wait().code, 0);
  expectAllKept(game, vehicles);
}

} // namespace
} // namespace fw::test
