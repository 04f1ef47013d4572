// fleetwick-cli run as a script runs it, against the window's handlers on the same game folder:
// the same files, its failures, and the window and scripts writing one folder at the same time.
#include "CliRun.h"

#include <gtest/gtest.h>

namespace fw::test {
namespace {

TEST(Cli, replaceLeavesTheFolderAsTheWindowsButtonsDo) {
  StockGame byCli, byWindow;
  byWindow.start();
  // MANANA's entry ends in a blank a script leaves out; the carcols values hold a letter above 0x7F.
  for (auto [category, entry, name, values] :
       {std::tuple{Category::Car, "MANANA ", "MANANA", std::array{"1.0 2.0", "car, 7", "Ж1, 2"}},
        std::tuple{Category::Boat, "TUG", "TUG", std::array{"9.5 -1", "boat, 3", "4,4"}}}) {
    const std::size_t logged = byWindow.s.log.size();
    selectCategory(byWindow.s, category), vehicleListChanged(byWindow.s), byWindow.lookUp(entry, category);
    for (FileKind k : kFileKinds)
      EXPECT_EQ(byWindow.write(k, cp1251::fromUtf8(values[indexOf(k)])), "");
    const Cli r = cli({"-C", byCli.folder.str(), "replace", name, "--force", "--handling", values[0],
                       "--vehicles", values[1], "--carcols", values[2]}); // lines the game cannot load
    EXPECT_EQ(r.code, 0) << r.err;
    std::string logLines;
    for (const std::string& line : byWindow.log(logged))
      logLines += line + '\n';
    EXPECT_EQ(r.out, logLines);
  }
  EXPECT_EQ(byCli.undated(), byWindow.undated());
}

TEST(Cli, failuresGiveTheirExitCodeAndMessageAndChangeNothing) {
  const struct {
    const char* folder; // after -C: the game folder when none, no -C at all when empty
    const char* command;
    int code;
    std::string message; // on stderr, on stdout when the code is 0
  } cases[] = {
      {"/nonexistent/game", "show BANSHEE", 1, "Cannot open folder /nonexistent/game."},
      {"", "show BANSHEE", 0, "\nvehicles.ide:26:banshee,\tbanshee,\tcar,"}, // in the current folder
      {nullptr, "restore handling_BANSHEE_1.hb", 1, "//common//data//handling.dat."},
      {nullptr, "show banshe", 1, "\"banshe\" is no stock vehicle. Nearest: BANSHEE, BENSON, RANCHER."},
      {nullptr, "restore handling_BANSHEE_19.hb", 1,
       "Эта резервная копия не для BANSHEE, ничего не изменено."},
      {nullptr, "replace BANSHEE --handling 1 --carcols \u2713", 1,
       "Текст содержит символы, которых нет в кодировке Windows-1251."},
      {nullptr, "replace BANSHEE --vehicles 1 --carcols '1,1\n2,2'", 1,
       "Строка не может содержать перевод строки, ничего не записано."}, // checked before any file is written
      {nullptr, "replace BANSHEE --dry-run", 2, "replace needs --handling"},
      {nullptr, "frobnicate BANSHEE", 2, "unknown command frobnicate"},
      {nullptr, "restore handling_BANSHEE_x.hb", 1, "\"handling_BANSHEE_x.hb\" is no backup name"},
      {nullptr, "replace BANSHEE --handling=1 --dry-run --force", 0,
       "handling.dat:230\n- BANSHEE 1\n+ BANSHEE 1\nhandling.dat:230: error: 1 values where 36 belong\n"},
      {nullptr, "replace BANSHEE --vehicles 'car, BANSHEE' --carcols '45,0, 149'", 1,
       "carcols.dat:190: error: 3 colour indices do not make whole combinations of 2\n"}};
  for (const auto& c : cases) {
    StockGame game; // with a backup of BANSHEE's line, and another vehicle's line under its name
    EXPECT_EQ(cli({"-C", game.folder.str(), "replace", "BANSHEE", "--force", "--handling", "1"}).code, 0);
    game.folder.write("backup/handling/handling_BANSHEE_19.hb", "ADMIRAL 1\r\n");
    game.folder.makeReadOnly("common/data/handling.dat");
    const auto before = game.undated();
    const Cli r =
        cli(c.folder && !*c.folder ? std::vector<std::string>{}
                                   : std::vector<std::string>{"-C", c.folder ? c.folder : game.folder.str()},
            c.command);
    EXPECT_EQ(r.code, c.code) << c.message;
    EXPECT_NE((c.code == 0 ? r.out : r.err).find(c.message), std::string::npos) << r.out << r.err;
    EXPECT_EQ(r.err.find("usage: fleetwick-cli") != std::string::npos, c.code == 2)
        << "usage on usage errors";
    EXPECT_EQ(game.undated(), before);
  }
  StockGame game;
  for (const char* vehicle : {"BANSHEE", "ADMIRAL"})
    cli({"-C", game.folder.str(), "replace", vehicle, "--force", "--handling", "1"});
  game.folder.write("backup/hblist.txt",
                    "handling_ADMIRAL_2.hb          today\r\nhandling_BANSHEE_1.hb  then\r\n");
  EXPECT_EQ(cli({"-C", game.folder.str(), "backups"}).out,
            "handling.dat\thandling_ADMIRAL_2.hb\ttoday\nhandling.dat\thandling_BANSHEE_1.hb\tthen\n");
  EXPECT_EQ(cli({"-C", game.folder.str(), "backups", "BANSHEE"}).out,
            "handling.dat\thandling_BANSHEE_1.hb\tthen\n");
}

// A script changes all the files it names or none: each is checked before the first is written.
TEST(Cli, replaceChangesAllItsFilesOrNone) {
  const struct {
    std::function<void(TempFolder&)> arrange;
    const char* limit; // before the command: a file size limit, for a fault that strikes mid-way
    const char* error;
  } cases[] = {
      {[](TempFolder& f) { f.makeReadOnly("common/data/carcols.dat"); }, "",
       "Cannot create file ~//common//data//carcols.dat.\n"},
      {[](TempFolder& f) { fs::remove(f.path("backup/carcols")); }, "",
       "Cannot create file ~//backup//carcols//carcols_BANSHEE_1.hb.\n"},
      {[](TempFolder& f) { f.write("backup/cblistb.txt", ""), f.makeReadOnly("backup/cblistb.txt"); }, "",
       "Cannot create file ~//backup//cblistb.txt.\n"},
      // No carcols.dat row for the vehicle, while the one the command leaves out has its own.
      {[](TempFolder& f) { f.write("common/data/carcols.dat", "col\r\nend\r\ncar4\r\n"); }, "",
       "Строка машины в carcols.dat не найдена. Выберите машину и нажмите \"ОК\".\n"},
      // A limit between the two data files' sizes (56 or 112 kB as the shell counts): no check foresees it.
      {[](TempFolder& f) {
         f.write("common/data/carcols.dat", f.read("common/data/carcols.dat") + std::string(150000, '#'));
       },
       "trap '' XFSZ; ulimit -f 110;",
       "Cannot create file ~//common//data//carcols.dat. Written before it: handling.dat.\n"}};
  for (const auto& [arrange, limit, error] : cases) {
    StockGame game;
    arrange(game.folder);
    const auto before = game.files();
    const Cli r =
        cli({"-C", game.folder.str(), "replace", "BANSHEE", "--force", "--handling", "1", "--carcols", "1,1"},
            "", limit);
    EXPECT_EQ(r.code, 1) << error;
    EXPECT_TRUE(r.err.ends_with(game.inFolder(error))) << r.err;
    EXPECT_EQ(game.files() == before, !*limit) << error;
  }
}

TEST(Cli, namesTheFileAndTheMarkerOrThePathThatStoppedIt) {
  StockGame game, other;
  std::string handling = game.folder.read("common/data/handling.dat");
  game.folder.write("common/data/handling.dat", handling.erase(handling.find(";------- bikes") + 1, 13));
  EXPECT_EQ(
      cli({"-C", game.folder.str(), "show", "BANSHEE"}).err,
      "handling.dat has no line with \";------- bikes\", which ends the part of it that is searched.\n");
  fs::remove_all(other.folder.path("backup/handling"));
  EXPECT_EQ(cli({"-C", other.folder.str(), "replace", "BANSHEE", "--force", "--handling", "1"}).err,
            "handling.dat:230: error: 1 values where 36 belong\nCannot create file " + other.folder.str() +
                "//backup//handling//handling_BANSHEE_1.hb.\n");
}

TEST(Cli, checkNamesEachLineTheGameCannotLoadAndFailsOnErrors) {
  StockGame game;
  const std::string folder = game.folder.str();
  EXPECT_EQ(cli({"-C", folder, "check"}).out, "0 errors, 0 warnings.\n") << "the stock copies";
  cli({"-C", folder, "replace", "BANSHEE", "--force", "--handling", "1", "--vehicles",
       "car, NIGHTFALL, NIGHTFALL, STD_LOW, null, 30, 999, 0.2968, 0.2968, -1, 1.5, 3, 0", "--carcols",
       "0,0,0"});
  const Cli broken = cli({"-C", folder, "check"});
  EXPECT_EQ(broken.code, 1);
  EXPECT_EQ(broken.out, "handling.dat:230: error: 2 values where 37 belong\n"
                        "vehicles.ide:26: error: field handling: handling.dat has no line \"NIGHTFALL\"\n"
                        "carcols.dat:190: error: 3 colour indices do not make whole combinations of 2\n");
  EXPECT_EQ(broken.err, "3 errors, 0 warnings.\n");
  // The broken line is no reference for its repair: its neighbours have the documented layout. A
  // warning does not stop the write.
  const Cli repaired =
      cli({"-C", folder, "replace", "BANSHEE", "--handling",
           "60000.0 1.6 85 0.0 0.05 -0.12 0.5 6 0.34 1.2 215.0 1.15 0.50 0.86 33.0 1.72 1.30 17.0 "
           "0.10 0.47 1.60 1.34 1.78 0.09 -0.13 0.02 0.49 0.05 0.85 0.92 1.36 1.62 0.22 1 2 3"});
  EXPECT_EQ(repaired.code, 0);
  EXPECT_EQ(repaired.err, "handling.dat:230: warning: field B: 60000.0 is outside 1.0 to 50000.0\n");
  EXPECT_NE(game.folder.read("common/data/handling.dat").find("\nBANSHEE 60000.0 1.6 "), std::string::npos);
}

// The window's stamps come from the same function: its tests see C.UTF-8's form.
TEST(Cli, stampsBackupsAsTheEnvironmentsLocaleOrInRussian) {
  const std::pair<const char*, const char*> cases[] = {
      {"LC_ALL=uk_UA.UTF-8", "06.12.26 10:00:00"},
      {"LC_ALL=uk_UA.UTF-8 LOCPATH=/nonexistent", "06.12.2026 10:00:00"},
      {"LC_ALL=C.UTF-8", "12/06/26 10:00:00"}};
  for (auto [environment, stamp] : cases) {
    StockGame game;
    cli({"-C", game.folder.str(), "replace", "BANSHEE", "--force", "--handling", "1"}, "",
        std::string(environment) +
            " FAKETIME_DONT_FAKE_MONOTONIC=1 ASAN_OPTIONS=$ASAN_OPTIONS:verify_asan_link_order=0 faketime -f "
            "'2026-12-06 10:00:00'");
    EXPECT_EQ(game.folder.read("backup/hblist.txt"),
              "handling_BANSHEE_1.hb          " + std::string(stamp) + "\r\n\r\n")
        << environment;
  }
}

// A script piped into a reader that ends early (`| head`) must not see a change that was made as lost.
TEST(Cli, aReaderThatWentAwayNeitherStopsNorFailsTheChange) {
  StockGame game;
  const std::string line = "{ sleep 0.2; " FLEETWICK_CLI " -C '" + game.folder.str() +
                           "' replace BANSHEE --force --handling 5; echo $? >'" + game.folder.at("code") +
                           "'; } | true";
  ASSERT_EQ(std::system(line.c_str()), 0);
  EXPECT_EQ(game.folder.read("code"), "0\n");
  EXPECT_NE(game.folder.read("common/data/handling.dat").find("\r\nBANSHEE 5\r\n"), std::string::npos);
}

} // namespace
} // namespace fw::test
