// The command line against the window on the same game folder, and its failures.
#include "CliRun.h"
#include "common/Cp1251.h"

#include <gtest/gtest.h>

#include <functional>

namespace fw::test {
namespace {

TEST(CliTest, replaceLeavesTheFolderAsTheWindowsButtonsDo) {
  TempFolder byCli;
  makeStockGame(byCli);
  TempFolder byWindow(true);
  makeStockGame(byWindow);
  Window window;
  // MANANA's entry ends in a blank the script leaves out; the carcols values hold a byte above 0x7F.
  struct Case {
    Category category;
    const char* entry;
    const char* name;
    std::array<const char*, 3> values;
  };
  for (const Case& c : {Case{Category::Car, "MANANA ", "MANANA", {"1.0 2.0", "car, 7", "Ж1, 2"}},
                        Case{Category::Boat, "TUG", "TUG", {"9.5 -1", "boat, 3", "4,4"}}}) {
    const std::size_t logged = window.s.log.size();
    window.lookUp(c.category, c.entry);
    for (FileKind k : kFileKinds)
      window.write(k, cp1251::fromUtf8(c.values[indexOf(k)]));
    std::string windowLog;
    for (std::size_t i = logged; i < window.s.log.size(); ++i)
      windowLog += cp1251::toUtf8(window.s.log.at(static_cast<std::int64_t>(i))) + "\n";

    const CliResult r = runCli({"-C", byCli.str(), "replace", c.name, "--handling", c.values[0], "--vehicles",
                                c.values[1], "--carcols", c.values[2]});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, windowLog);
  }
  EXPECT_EQ(contents(byCli), contents(byWindow));
}

struct FailureCase {
  const char* name;
  std::function<void(const TempFolder&)> prepare;
  std::vector<std::string> args; // after "-C GAME_FOLDER" unless they start with their own -C
  int code;
  std::string message; // on stderr, or on stdout when the code is 0
};

void backUpBanshee(const TempFolder& game) {
  EXPECT_EQ(runCli({"-C", game.str(), "replace", "BANSHEE", "--handling", "1"}).code, 0);
}

// One row a line or two, as a table reads.
// clang-format off
const FailureCase kFailures[] = {
    {"missing game folder", {}, {"-C", "/nonexistent/game", "show", "BANSHEE"}, 1,
     "Cannot open folder /nonexistent/game."},
    {"missing backup folder", [](auto& g) { std::filesystem::remove(g.path() / "backup/handling"); },
     {"replace", "BANSHEE", "--handling", "1"}, 1, "Cannot create file "},
    {"read-only data file",
     [](auto& g) { backUpBanshee(g); g.makeReadOnly("common/data/handling.dat"); },
     {"restore", "handling_BANSHEE_1.hb"}, 1, "Cannot create file common//data//handling.dat."},
    {"unknown vehicle", {}, {"show", "banshe"}, 1, "\"banshe\" is no stock vehicle. Nearest: BANSHEE, BENSON, RANCHER."},
    {"backup of another vehicle",
     [](auto& g) { g.write("backup/handling/handling_BANSHEE_1.hb", "ADMIRAL 1\r\n"); },
     {"restore", "handling_BANSHEE_1.hb"}, 1, "Эта резервная копия не для BANSHEE, ничего не изменено."},
    {"row the window disables", {}, {"replace", "CONTENDER", "--vehicles", "1"}, 1,
     "Строка машины в vehicles.ide не найдена. Выберите машину и нажмите \"ОК\"."},
    {"text outside Windows-1251", {}, {"replace", "BANSHEE", "--handling", "1", "--carcols", "\u2713"}, 1,
     "Текст содержит символы, которых нет в кодировке Windows-1251."},
    {"usage error", {}, {"replace", "BANSHEE", "--dry-run"}, 2, "replace needs --handling"},
    {"dry run", {}, {"replace", "BANSHEE", "--handling=1", "--dry-run"}, 0, "\n+ BANSHEE 1\n"},
};
// clang-format on

TEST(CliTest, failuresGiveTheirExitCodeAndMessageAndChangeNothing) {
  for (const FailureCase& c : kFailures) {
    SCOPED_TRACE(c.name);
    TempFolder game;
    makeStockGame(game);
    if (c.prepare) c.prepare(game);
    const auto before = contents(game);
    std::vector<std::string> args = c.args;
    if (args.front() != "-C") args.insert(args.begin(), {"-C", game.str()});

    const CliResult r = runCli(args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_NE((c.code == 0 ? r.out : r.err).find(c.message), std::string::npos) << r.out << r.err;
    EXPECT_EQ(r.err.find("usage: fleetwick-cli") != std::string::npos, c.code == 2); // usage errors alone
    EXPECT_EQ(contents(game), before);
  }
}

TEST(CliTest, backupsAreListedPerFileNewestFirstWithTheirTimes) {
  TempFolder game;
  makeStockGame(game);
  for (const char* vehicle : {"BANSHEE", "ADMIRAL"})
    EXPECT_EQ(runCli({"-C", game.str(), "replace", vehicle, "--handling", "1"}).code, 0);
  game.write("backup/hblist.txt", "handling_ADMIRAL_2.hb          today\r\nhandling_BANSHEE_1.hb  then\r\n");
  EXPECT_EQ(runCli({"-C", game.str(), "backups"}).out,
            "handling.dat\thandling_ADMIRAL_2.hb\ttoday\nhandling.dat\thandling_BANSHEE_1.hb\tthen\n");
  EXPECT_EQ(runCli({"-C", game.str(), "backups", "BANSHEE"}).out,
            "handling.dat\thandling_BANSHEE_1.hb\tthen\n");
}

} // namespace
} // namespace fw::test
