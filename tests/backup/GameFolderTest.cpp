// Start-up, writing and restoring in tiny game folders: the files the program leaves behind, byte
// for byte, on success and on every failure.
#include "Game.h"
#include "common/Files.h"

#include <gtest/gtest.h>

using namespace fw;
using test::Game;
namespace fs = std::filesystem;
constexpr FileKind H = FileKind::Handling, V = FileKind::Vehicles, C = FileKind::Carcols;

struct GameFolder : testing::Test, Game {
  GameFolder() : Game(test::testData("small")) {}
};

TEST_F(GameFolder, startUpLoadsTheFilesThatExist) {
  folder.write("backup/hblistb.txt", "handling_B_2.hb\r\n\r\n");
  folder.write("backup/vblist.txt", "x\ny\n");
  folder.write("fleetwick.ini", "C:\\Crateview.exe\n");
  EXPECT_EQ(start(), "");
  EXPECT_EQ(s.file(H).backupNames.items, (std::vector<std::string>{"handling_B_2.hb", ""}));
  EXPECT_EQ(s.file(V).datedList, (LineBuffer{"x", "y"}));
  EXPECT_EQ(s.file(C).backupNames.items, std::vector<std::string>{}) << "no file: no name";
  EXPECT_EQ(s.file(C).datedList, LineBuffer{""}) << "no file: one empty line";
  EXPECT_EQ(s.archiveEditorPath, "C:\\Crateview.exe");
  EXPECT_EQ(s.gamePath, "");
}

TEST_F(GameFolder, writeBacksUpRecordsAndReplacesEachKind) {
  // Killed copies' temporary files go with the next write; a file of the player's that looks alike stays.
  const char* const players[] = {"common/data/.handling.dat.Ab12Cd",
                                 "common/data/.handling.dat.fleetwick-my.bak"};
  for (const char* file : {"common/data/.handling.dat.fleetwick-a9Z0zA", "backup/carcols/.x.fleetwick-000000",
                           players[0], players[1]})
    folder.write(file, "x");
  start();
  lookUp("ADMIRAL");
  for (auto [k, typed] : {std::pair{H, "9.0 8"}, {H, ""}, {V, "car, ADMIRAL"}, {C, "5,5"}})
    EXPECT_EQ(write(k, typed), "");
  lookUp("MANANA ");
  EXPECT_EQ(write(H, " 1"), "");
  auto written = files();
  for (const char* file : players)
    EXPECT_EQ(written.erase(file), 1u) << file;
  EXPECT_EQ(written, test::snapshotOf(test::testData("small-written")));
  EXPECT_EQ(log(11), (std::vector<std::string>{"Резервная копия handling_MANANA _3.hb создана...",
                                               "handling.dat записан..."}));
  EXPECT_EQ(s.file(H).backupNames.text, "handling_MANANA _3.hb");
  EXPECT_EQ(s.backupCount, "2");
  EXPECT_EQ(s.file(H).input.text, "");
  EXPECT_EQ(reloaded[2], loadLines(FilePath::relative("common/data/carcols.dat"))) << "for the viewer";
}

// Another copy of the program may have changed the lists since this one read them.
TEST(GameFolderLists, aWriteNumbersFromTheListsOnDiskKeepsEveryonesEntriesAndNeverOverwritesABackup) {
  const struct {
    const char* atStart;                   // the dated list when the window started; nullptr: no file
    std::function<void(LineBuffer&)> edit; // the user's, in the window
    const char* onDisk;                    // as another copy left it before the write
    const char* kept;                      // below the new entry
  } cases[] = {
      // The other copy added c and dropped b; the user's note stays.
      {"a\r\nb\r\n", [](LineBuffer& l) { l.insert(1, "my note"); }, "c\r\na\r\n", "c\r\na\r\nmy note\r\n"},
      {"a\r\nb\r\n", [](LineBuffer& l) { l.erase(0); }, "c\r\na\r\nb\r\n",
       "c\r\nb\r\n"}, // the user dropped a
      {nullptr, [](LineBuffer&) {}, "c\r\n", "c\r\n"},
  };
  for (const auto& c : cases) {
    Game g(test::testData("small"));
    g.folder.write("common/data/handling.dat", "ADMIRAL 1\nBANSHEE 2\r;------- bikes");
    if (c.atStart) g.folder.write("backup/hblist.txt", c.atStart);
    g.start(), g.lookUp("ADMIRAL");
    EXPECT_EQ(checkTyped(g.s, H, "a").needed, 1u) << "a verdict on the first line, by its own layout";
    c.edit(g.s.file(H).datedList);
    g.folder.write("backup/hblistb.txt", "x\r\n\r\n");
    g.folder.write("backup/hblist.txt", c.onDisk);
    g.folder.write("backup/handling/handling_ADMIRAL_3.hb", "older\r\n"); // left by a lost name list
    EXPECT_EQ(g.write(H, "a"), "");
    const std::pair<const char*, std::string> expected[] = {
        {"backup/handling/handling_ADMIRAL_4.hb", "ADMIRAL 1\r\n"},
        {"backup/handling/handling_ADMIRAL_3.hb", "older\r\n"},
        {"common/data/handling.dat", "ADMIRAL a\r\nBANSHEE 2\r\n;------- bikes\r\n"},
        {"backup/hblistb.txt", "handling_ADMIRAL_4.hb\r\nx\r\n\r\n"},
        {"backup/hblist.txt", "handling_ADMIRAL_4.hb          6.12.26 10:00\r\n" + std::string(c.kept)}};
    for (const auto& [file, bytes] : expected)
      EXPECT_EQ(g.folder.read(file), bytes) << file << " " << c.kept;
  }
}

TEST(GameFolderFailures, aFailedWriteStopsAtItsStepAndChangesNothingBeyond) {
  const struct {
    std::function<void(Game&)> arrange;
    const char* typed;
    const char* error; // ~ stands for the start directory
    bool backedUp;     // the backup file was written before the failure
  } cases[] = {
      {[](Game& g) { g.start(); }, "9", "'Edit1' is not a valid integer value", false},
      {[](Game& g) { selectCategory(g.s, Category::Car); }, "9", "'' is not a valid integer value", false},
      {[](Game& g) { vehicleListChanged(g.s); }, "9",
       "Строка машины в handling.dat не найдена. Выберите машину и нажмите \"ОК\"", false},
      {[](Game& g) { g.folder.write("common/data/handling.dat", "X\r\nBANSHEE\r\n"); }, "9",
       "handling.dat изменился на диске, ничего не записано. Найдите машину заново", false},
      {[](Game& g) { fs::remove(g.folder.path("common/data/handling.dat")); }, "9",
       "Cannot open file ~//common//data//handling.dat", false},
      {[](Game& g) { fs::remove_all(g.folder.path("backup")); }, "9",
       "Cannot create file ~//backup//handling//handling_ADMIRAL_1.hb", false},
      {[](Game&) {}, "1\n2", "Строка не может содержать перевод строки, ничего не записано", false},
      {[](Game& g) { g.folder.write("backup/hblist.txt", ""), g.folder.makeReadOnly("backup/hblist.txt"); },
       "9", "Cannot create file ~//backup//hblist.txt", true},
      {[](Game& g) { g.folder.makeReadOnly("common/data/handling.dat"); }, "9",
       "Cannot create file ~//common//data//handling.dat", true},
      {[](Game& g) {
         g.folder.write("common/data/handling.dat", "A/B 1\r\n;------- bikes\r\n"), g.start(),
             g.lookUp("A/B");
       },
       "2", "Название \"A/B\" не годится для имени резервной копии, ничего не записано", false},
      // What is no regular file where a file is expected is refused at once, and never waited on.
      {[](Game& g) { g.folder.makeDir("backup/hblistb.txt"); }, "9",
       "Cannot open file ~//backup//hblistb.txt", false},
      {[](Game& g) { g.folder.makeDir("backup/fleetwick.lock"); }, "9",
       "Не удаётся занять файл блокировки ~//backup//fleetwick.lock, ничего не изменено", false},
#ifndef _WIN32
      {[](Game& g) { g.replaceWith("common/data/handling.dat", S_IFIFO); }, "9",
       "Cannot open file ~//common//data//handling.dat", false},
      {[](Game& g) { g.replaceWith("backup/fleetwick.lock", S_IFIFO); }, "9",
       "Не удаётся занять файл блокировки ~//backup//fleetwick.lock, ничего не изменено", false},
      {[](Game& g) { fs::create_symlink("gone/lock", g.folder.path("backup/fleetwick.lock")); }, "9",
       "Не удаётся занять файл блокировки ~//backup//fleetwick.lock, ничего не изменено", false},
      {[](Game& g) { g.replaceWith("backup/hblist.txt", S_IFCHR); }, "9",
       "Cannot open file ~//backup//hblist.txt", false},
#endif
  };
  for (const auto& c : cases) {
    Game g(test::testData("small"));
    g.start(), g.lookUp("ADMIRAL"), c.arrange(g);
    auto before = g.files();
    const std::size_t logged = g.s.log.size();
    const std::string error = g.inFolder(c.error);
    EXPECT_EQ(g.write(FileKind::Handling, c.typed), error);
    auto after = g.files();
    EXPECT_EQ(after.erase("backup/handling/handling_ADMIRAL_1.hb"), c.backedUp ? 1u : 0u) << error;
    EXPECT_EQ(after["common/data/handling.dat"], before["common/data/handling.dat"]) << error;
    EXPECT_TRUE(c.backedUp || after == before) << error;
    EXPECT_EQ(g.log(logged), std::vector<std::string>(c.backedUp ? 1 : 0,
                                                      "Резервная копия handling_ADMIRAL_1.hb создана..."))
        << error;
  }
}

TEST_F(GameFolder, restorePutsTheBackupsFirstLineAtTheVehiclesLineAfterEveryCheck) {
  folder.write("backup/handling/handling_ADMIRAL_7.hb", "ADMIRAL old\r\nsecond line\r\n");
  folder.write("backup/handling/handling_BANSHEE_8.hb", "BANSHEE 0\r\n");
  folder.write("backup/handling/empty.hb", "");
  folder.write("backup/vehicles/v.hb", "futo, x\r\n");
#ifndef _WIN32
  replaceWith("backup/handling/fifo.hb", S_IFIFO);
#endif
  start();
  lookUp("ADMIRAL");
  EXPECT_EQ(restore(H, "handling_ADMIRAL_7.hb"), "");
  {
    const test::TempFolder elsewhere(true); // where a dialog may have moved the current directory
    EXPECT_EQ(restore(H, "handling_ADMIRAL_7.hb"), "") << "again, in the start directory";
  }
  const std::string restored =
      "; handling\r\nADMIRAL old\r\nBANSHEE 3.0\r\nMANANA  4.0\r\n;------- bikes\r\n";
  EXPECT_EQ(folder.read("common/data/handling.dat"), restored);
  EXPECT_EQ(reloaded[0], LineBuffer::fromBytes(restored));
  const auto before = files();
  const std::string notPlain = "\" не имя резервной копии, ничего не изменено",
                    other = "Эта резервная копия не для ADMIRAL, ничего не изменено";
  const std::pair<std::string, std::string> refused[] = {
      {"", "Cannot open file ~//backup//handling//"},
      {"h_9.hb", "Cannot open file ~//backup//handling//h_9.hb"},
      {"../hblist.txt", "\"../hblist.txt" + notPlain},
      {"C:x", "\"C:x" + notPlain},
      {".", "\"." + notPlain},
      {"a\\b", "\"a\\b" + notPlain},
      {"handling_BANSHEE_8.hb", other},
      {"empty.hb", other},
#ifndef _WIN32
      {"fifo.hb", "Cannot open file ~//backup//handling//fifo.hb"}, // a FIFO is never waited on
#endif
  };
  for (const auto& [name, error] : refused)
    EXPECT_EQ(restore(H, name), inFolder(error));
  EXPECT_EQ(log(), std::vector<std::string>(2, "Резервная копия handling_ADMIRAL_7.hb восстановлена..."));
  lookUp("FUTO"); // a miss in vehicles.ide leaves ADMIRAL's index standing
  EXPECT_EQ(restore(V, "v.hb"), "Строка машины в vehicles.ide не найдена. Выберите машину и нажмите \"ОК\"");
  selectCategory(s, Category::Car);
  EXPECT_EQ(restore(H, "handling_ADMIRAL_7.hb"), "'' is not a valid integer value");
  lookUp("ADMIRAL");
  folder.write("common/data/vehicles.ide", "cars\r\nbanshee, x\r\n");
  EXPECT_EQ(restore(V, "v.hb"), "vehicles.ide изменился на диске, ничего не записано. Найдите машину заново");
  folder.makeReadOnly("common/data/handling.dat");
  EXPECT_EQ(restore(H, "handling_ADMIRAL_7.hb"),
            inFolder("Cannot create file ~//common//data//handling.dat"));
  folder.write("common/data/vehicles.ide", before.at("common/data/vehicles.ide"));
  EXPECT_EQ(files(), before);
}

#ifndef _WIN32
// A game folder copied from Windows spells its names in any letter case.
TEST_F(GameFolder, mixedCaseFoldersWorkAsTheProgramSpellsThem) {
  for (auto [from, to] : {std::pair{"common", "Common"},
                          {"Common/data/handling.dat", "Common/data/Handling.DAT"},
                          {"backup/handling", "backup/Handling"},
                          {"backup/carcols", "backup/Carcols"}})
    fs::rename(folder.path() / from, folder.path() / to);
  folder.makeDir("backup/CARCOLS"); // merged from two copies: only the carcols row cannot tell which
  folder.write("backup/HBLISTB.TXT", "handling_ADMIRAL_1.hb\r\n");
  folder.write("FLEETWICK.INI", "a\r\nb\r\n");
  const std::string handling = folder.read("Common/data/Handling.DAT");
  start();
  EXPECT_EQ(s.gamePath, "b");
  EXPECT_EQ(s.file(H).backupNames.items.size(), 1u);
  lookUp("ADMIRAL");
  EXPECT_EQ(write(H, "1"), "");
  EXPECT_EQ(restore(H, "handling_ADMIRAL_2.hb"), "");
  EXPECT_EQ(folder.read("Common/data/Handling.DAT"), handling);
  EXPECT_EQ(folder.read("backup/HBLISTB.TXT"), "handling_ADMIRAL_2.hb\r\nhandling_ADMIRAL_1.hb\r\n");
  EXPECT_EQ(folder.read("backup/Handling/handling_ADMIRAL_2.hb"), "ADMIRAL 1.0 2.0\r\n");
  EXPECT_FALSE(folder.has("backup/hblistb.txt"));
}
#endif
