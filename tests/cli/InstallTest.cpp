// fleetwick-cli install end to end: a read-me from a file or standard input, what it says it took,
// its refusals, and a folder changed only when it said so.
#include "CliRun.h"
#include "ModReadMe.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

TEST(CliInstall, takesTheLinesOfAReadMeAndSaysWhichOrWhyNot) {
  const std::string pack = "Пак\n" + mod("ADMIRAL2", "admiral2") + mod("BIFF2", "biff2");
  const std::string log = "Резервная копия handling_BANSHEE_1.hb создана...\nhandling.dat записан...\n";
  const struct {
    const char* command; // after the game folder, as the shell splits it
    int code;
    std::string out, err; // how stdout and stderr begin
    bool changed;
    const char* environment = "";
  } cases[] = {
      {"install BANSHEE - <slot.txt", 0,
       "handling.dat: standard input:3: BANSHEE2, a mod written for another vehicle\n"
       "vehicles.ide: standard input:4: banshee2, a mod written for another vehicle\n",
       "", true},
      {"install BANSHEE pack.txt", 1, "",
       "pack.txt holds the lines of several vehicles; name the one to install with --take NAME:\n"
       "  handling.dat: pack.txt:3: ADMIRAL2 pack.txt:7: BIFF2\n  vehicles.ide: pack.txt:4: admiral2 "
       "pack.txt:8: biff2\n  carcols.dat: pack.txt:5: admiral2 pack.txt:9: biff2\n",
       false},
      {"install BANSHEE pack.txt --dry-run --take BIFF2", 0,
       "handling.dat: pack.txt:7: BIFF2\nvehicles.ide: pack.txt:8: biff2\ncarcols.dat: pack.txt:9: biff2\n"
       "vehicles.ide: its handling column BIFF2 becomes BANSHEE, as the mod's handling.dat line is written "
       "as BANSHEE's.\nhandling.dat:230\n- BANSHEE ",
       "", false},
      {"install BANSHEE short.txt", 1, "handling.dat: short.txt:1: BANSHEE\n",
       "handling.dat:230: error: the mod's line has 35 values after its name, where 36 belong\nNothing was "
       "written",
       false},
      {"install BANSHEE short.txt --force", 0,
       "handling.dat: short.txt:1: BANSHEE\nvehicles.ide: short.txt has no line for it; it is left as it "
       "is.\n",
       "handling.dat:230: error: the mod's line has 35 values after its name, where 36 belong\n", true},
      {"install CONTENDER slot.txt --dry-run", 0,
       "handling.dat: slot.txt:3: BANSHEE2, a mod written for another vehicle\n"
       "vehicles.ide: CONTENDER has no line of it to replace; it is left as it is.\n",
       "", false},
      {"install BANSHEE - </dev/zero", 1, "",
       "standard input is larger than 16 MiB, which no mod's read-me is: nothing was read.\n", false},
      {"install BANSHEE", 2, "",
       "fleetwick-cli: missing TEXT_FILE\nThe commands and their options: fleetwick-cli --help\n", false},
      {"install BANSHEE word.txt", 1,
       "handling.dat: в word.txt нет строки для него, файл остаётся как есть.\nvehicles.ide: word.txt:1: "
       "banshee\n",
       "vehicles.ide:26: ошибка: поле frequency (значение 6 после имён в строке мода): \"x\" — не число\n",
       false, "LC_ALL=ru_RU.UTF-8"},
  };
  for (const auto& c : cases) {
    StockGame game;
    game.folder.write("slot.txt", "Версия 1.3\n" + mod("BANSHEE2", "banshee2"));
    game.folder.write("pack.txt", pack);
    game.folder.write("word.txt",
                      "banshee, banshee, car, BANSHEE, BANSHEE, STD_LOW, null, x, 999, 1, 1, -1, 1, 3, 0");
    game.folder.write("short.txt", "BANSHEE " + kHandling.substr(0, kHandling.rfind(' ')));
    const auto before = game.undated();
    const Cli r = cli({"-C", game.folder.str()}, c.command, c.environment);
    EXPECT_EQ(r.code, c.code) << c.command;
    EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.command;
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << c.command;
    EXPECT_EQ(game.undated() != before, c.changed) << c.command;
  }
}

} // namespace
} // namespace fw::test
