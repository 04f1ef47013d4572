// Start-up, writing and restoring in tiny game folders, entered as the current directory: the
// files the program leaves behind, byte for byte, on success and on every failure.
#include "TempFolder.h"
#include "backup/RecordWriter.h"
#include "backup/Restore.h"
#include "common/Cp1251.h"
#include "records/CategorySwitch.h"
#include "records/Lookup.h"
#include "records/Startup.h"

#include <gtest/gtest.h>

using fw::FileKind;
using fw::LineBuffer;
using Snapshot = std::map<std::string, std::string>;
namespace fs = std::filesystem;
constexpr FileKind H = FileKind::Handling, V = FileKind::Vehicles, C = FileKind::Carcols;

class GameFolder : public testing::Test {
public:
  GameFolder() : game(true) { reset(); }

  // A fresh game folder and a fresh start in it.
  void reset() {
    for (const auto& entry : fs::recursive_directory_iterator(game.path()))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
    for (const auto& entry : fs::directory_iterator(game.path()))
      fs::remove_all(entry.path());
    fw::test::makeGameFolder(
        game, "; handling\r\nADMIRAL 1.0 2.0\r\nBANSHEE 3.0\r\nMANANA  4.0\r\n;------- bikes\r\n",
        "cars\r\nadmiral,\tadmiral,\tcar\r\nbanshee, banshee, car\r\ntxdp\r\n",
        "col\r\nadmiral,\t1,1\r\nbanshee, 2,2\r\ncar4\r\n");
    start();
  }
  void start() {
    s = fw::MainState();
    fw::constructMainState(s);
  }
  void lookUp(const std::string& text) {
    s.vehicleList(fw::Category::Car).text = text;
    fw::lookUpVehicle(s, fw::Category::Car);
  }
  // A command as the window runs it: the error's text, or "" when it went through.
  std::string write(FileKind k, const std::string& typed) {
    s.file(k).input.text = typed;
    return run([&] { fw::writeLine(s, k, services); });
  }
  std::string restore(FileKind k, const std::string& name) {
    s.file(k).backupNames.text = name;
    return run([&] { fw::restoreLine(s, k, services); });
  }
  std::string run(const std::function<void()>& command) {
    try {
      command();
    } catch (const std::exception& e) {
      return fw::cp1251::toUtf8(e.what());
    }
    return "";
  }
  Snapshot files() const {
    Snapshot all = game.snapshot();
    all.erase("backup/fleetwick.lock");
    return all;
  }
  std::string log(std::size_t lines) const {
    std::string out;
    for (std::size_t i = s.log.size() - lines; i < s.log.size(); ++i)
      out += fw::cp1251::toUtf8(s.log.at(static_cast<std::int64_t>(i))) + "|";
    return out;
  }

  fw::test::TempFolder game;
  fw::MainState s;
  std::array<LineBuffer, 3> reloaded{};
  fw::Services services{[] { return std::string("6.12.26 10:00"); },
                        [this](FileKind k, const LineBuffer& lines) { reloaded[fw::indexOf(k)] = lines; }};
};

TEST_F(GameFolder, startUpLoadsTheFilesThatExist) {
  game.write("backup/hblistb.txt", "handling_B_2.hb\r\n\r\n");
  game.write("backup/vblist.txt", "x\ny\n");
  game.write("backup/cblistb.txt", "");
  game.write("fleetwick.ini", "C:\\Crateview.exe\n");
  start();
  EXPECT_EQ(s.startDirectory, game.str());
  EXPECT_EQ(s.file(H).lines.at(1), "ADMIRAL 1.0 2.0");
  EXPECT_EQ(s.file(H).backupNames.items, (std::vector<std::string>{"handling_B_2.hb", ""}));
  EXPECT_EQ(s.file(V).datedList, (LineBuffer{"x", "y"}));
  EXPECT_TRUE(s.file(C).backupNames.items.empty());
  EXPECT_EQ(s.file(C).datedList, LineBuffer{""}) << "no file: one empty line";
  EXPECT_EQ(s.archiveEditorPath + "|" + s.gamePath, "C:\\Crateview.exe|");
  EXPECT_EQ(s.vehicleList(fw::Category::Helicopter).text, "ANNHIL");
  fs::remove(game.path() / "common/data/vehicles.ide");
  EXPECT_EQ(run([&] { start(); }), "Cannot open file common//data//vehicles.ide");
}

TEST_F(GameFolder, writeBacksUpRecordsAndReplacesEachKind) {
  lookUp("ADMIRAL");
  for (auto [k, typed] : {std::pair{H, "9.0 8"}, {H, ""}, {V, "car, ADMIRAL"}, {C, "5,5"}})
    EXPECT_EQ(write(k, typed), "");
  lookUp("MANANA ");
  EXPECT_EQ(write(H, " 1"), "");
  const std::string dated = "          6.12.26 10:00\r\n";
  const Snapshot expected = {
      {"backup/handling/handling_ADMIRAL_1.hb", "ADMIRAL 1.0 2.0\r\n"},
      {"backup/handling/handling_ADMIRAL_2.hb", "ADMIRAL 9.0 8\r\n"},
      {"backup/handling/handling_MANANA _3.hb", "MANANA  4.0\r\n"},
      {"backup/vehicles/vehicles_ADMIRAL_1.hb", "admiral,\tadmiral,\tcar\r\n"},
      {"backup/carcols/carcols_ADMIRAL_1.hb", "admiral,\t1,1\r\n"},
      {"backup/hblistb.txt", "handling_MANANA _3.hb\r\nhandling_ADMIRAL_2.hb\r\nhandling_ADMIRAL_1.hb\r\n"},
      {"backup/hblist.txt", "handling_MANANA _3.hb" + dated + "handling_ADMIRAL_2.hb" + dated +
                                "handling_ADMIRAL_1.hb" + dated + "\r\n"},
      {"backup/vblistb.txt", "vehicles_ADMIRAL_1.hb\r\n"},
      {"backup/vblist.txt", "vehicles_ADMIRAL_1.hb" + dated + "\r\n"},
      {"backup/cblistb.txt", "carcols_ADMIRAL_1.hb\r\n"},
      {"backup/cblist.txt", "carcols_ADMIRAL_1.hb" + dated + "\r\n"},
      {"common/data/handling.dat",
       "; handling\r\nADMIRAL \r\nBANSHEE 3.0\r\nMANANA   1\r\n;------- bikes\r\n"},
      {"common/data/vehicles.ide",
       "cars\r\nadmiral, admiral, car, ADMIRAL\r\nbanshee, banshee, car\r\ntxdp\r\n"},
      {"common/data/carcols.dat", "col\r\nadmiral, 5,5\r\nbanshee, 2,2\r\ncar4\r\n"}};
  EXPECT_EQ(files(), expected);
  EXPECT_EQ(log(2), "Резервная копия handling_MANANA _3.hb создана...|handling.dat записан...|");
  EXPECT_EQ(s.file(H).backupNames.text + "|" + s.backupCount + "|" + s.file(H).input.text,
            "handling_MANANA _3.hb|2|");
  EXPECT_EQ(reloaded[0], LineBuffer::fromBytes(expected.at("common/data/handling.dat")));
  EXPECT_EQ(reloaded[2], LineBuffer::fromBytes(expected.at("common/data/carcols.dat")));
}

TEST_F(GameFolder, writeNumbersFromTheListsOnDiskAndNeverOverwritesABackup) {
  game.write("common/data/handling.dat", "ADMIRAL 1\nBANSHEE 2\r;------- bikes");
  game.write("backup/hblistb.txt", "x\r\n\r\n");
  game.write("backup/handling/handling_ADMIRAL_3.hb", "older\r\n");
  start();
  lookUp("ADMIRAL");
  s.file(H).datedList.insert(0, "my note");
  EXPECT_EQ(write(H, "a"), "");
  EXPECT_EQ(game.read("backup/handling/handling_ADMIRAL_4.hb") +
                game.read("backup/handling/handling_ADMIRAL_3.hb"),
            "ADMIRAL 1\r\nolder\r\n")
      << "3 was taken";
  EXPECT_EQ(game.read("common/data/handling.dat"), "ADMIRAL a\r\nBANSHEE 2\r\n;------- bikes\r\n");
  EXPECT_EQ(game.read("backup/hblist.txt"), "handling_ADMIRAL_4.hb          6.12.26 10:00\r\nmy note\r\n\r\n")
      << "the user's edits of the list go with it";
  // Another copy of the program lists a backup meanwhile: it stays listed, and the numbers go on.
  game.write("backup/hblistb.txt", "handling_BANSHEE_5.hb\r\n" + game.read("backup/hblistb.txt"));
  game.write("backup/hblist.txt", "handling_BANSHEE_5.hb  then\r\n");
  EXPECT_EQ(write(H, "b"), "");
  EXPECT_EQ(game.read("backup/hblistb.txt"),
            "handling_ADMIRAL_5.hb\r\nhandling_BANSHEE_5.hb\r\nhandling_ADMIRAL_4.hb\r\nx\r\n\r\n");
  EXPECT_EQ(game.read("backup/hblist.txt"),
            "handling_ADMIRAL_5.hb          6.12.26 10:00\r\nhandling_BANSHEE_5.hb  then\r\n");
}

TEST_F(GameFolder, aFailedWriteStopsAtItsStepAndChangesNothingBeyond) {
  const struct {
    std::function<void(GameFolder&)> arrange;
    const char* typed;
    const char* error; // ~ stands for the start directory
    bool backedUp;     // the backup file was written before the failure
  } cases[] = {
      {[](GameFolder& t) { t.reset(); }, "9", "'Edit1' is not a valid integer value", false},
      {[](GameFolder& t) { fw::selectCategory(t.s, fw::Category::Car); }, "9",
       "'' is not a valid integer value", false},
      {[](GameFolder& t) { fw::vehicleListChanged(t.s); }, "9",
       "Строка машины в handling.dat не найдена. Выберите машину и нажмите \"ОК\"", false},
      {[](GameFolder& t) { t.game.write("common/data/handling.dat", "X\r\nBANSHEE\r\n"); }, "9",
       "handling.dat изменился на диске, ничего не записано. Найдите машину заново", false},
      {[](GameFolder& t) { fs::remove(t.game.path() / "common/data/handling.dat"); }, "9",
       "Cannot open file ~//common//data//handling.dat", false},
      {[](GameFolder& t) { fs::remove_all(t.game.path() / "backup"); }, "9",
       "Cannot create file ~//backup//handling//handling_ADMIRAL_1.hb", false},
      {[](GameFolder&) {}, "1\n2", "Строка не может содержать перевод строки, ничего не записано", false},
      {[](GameFolder& t) { t.game.write("backup/hblist.txt", ""), t.game.makeReadOnly("backup/hblist.txt"); },
       "9", "Cannot create file ~//backup//hblist.txt", true},
      {[](GameFolder& t) { t.game.makeReadOnly("common/data/handling.dat"); }, "9",
       "Cannot create file ~//common//data//handling.dat", true}};
  for (const auto& c : cases) {
    reset();
    lookUp("ADMIRAL");
    c.arrange(*this);
    Snapshot before = files();
    std::string error = c.error;
    if (auto at = error.find('~'); at != std::string::npos) error.replace(at, 1, game.str());
    EXPECT_EQ(write(H, c.typed), error);
    Snapshot after = files();
    EXPECT_EQ(after.count("backup/handling/handling_ADMIRAL_1.hb"), c.backedUp ? 1u : 0u) << error;
    EXPECT_EQ(after["common/data/handling.dat"], before["common/data/handling.dat"]) << error;
    EXPECT_TRUE(c.backedUp || after == before) << error;
    EXPECT_EQ(s.log.size() + s.file(H).backupNames.items.size(), c.backedUp ? 3u : 1u)
        << "the backup, nothing after";
  }
  reset();
  game.write("common/data/handling.dat", "A/B 1\r\n;------- bikes\r\n");
  start();
  lookUp("A/B");
  EXPECT_EQ(write(H, "2"), "Название \"A/B\" не годится для имени резервной копии, ничего не записано");
  EXPECT_FALSE(game.has("backup/hblistb.txt"));
}

TEST_F(GameFolder, restorePutsTheBackupsFirstLineAtTheVehiclesLineAfterEveryCheck) {
  game.write("backup/handling/handling_ADMIRAL_7.hb", "ADMIRAL old\r\nsecond line\r\n");
  game.write("backup/handling/handling_BANSHEE_8.hb", "BANSHEE 0\r\n");
  game.write("backup/handling/empty.hb", "");
  game.write("backup/vehicles/v.hb", "futo, x\r\n");
  lookUp("ADMIRAL");
  for (int again = 0; again < 2; ++again)
    EXPECT_EQ(restore(H, "handling_ADMIRAL_7.hb"), "");
  const std::string restored =
      "; handling\r\nADMIRAL old\r\nBANSHEE 3.0\r\nMANANA  4.0\r\n;------- bikes\r\n";
  EXPECT_EQ(game.read("common/data/handling.dat"), restored);
  EXPECT_EQ(log(1), "Резервная копия handling_ADMIRAL_7.hb восстановлена...|");
  EXPECT_EQ(reloaded[0], LineBuffer::fromBytes(restored));
  const Snapshot before = files();
  const std::string notPlain = "\" не имя резервной копии, ничего не изменено",
                    other = "Эта резервная копия не для ADMIRAL, ничего не изменено";
  const std::pair<std::string, std::string> refused[] = {
      {"", "Cannot open file backup//handling//"},
      {"h_9.hb", "Cannot open file backup//handling//h_9.hb"},
      {"../hblist.txt", "\"../hblist.txt" + notPlain},
      {"C:x", "\"C:x" + notPlain},
      {".", "\"." + notPlain},
      {"handling_BANSHEE_8.hb", other},
      {"empty.hb", other}};
  for (const auto& [name, error] : refused)
    EXPECT_EQ(restore(H, name), error);
  EXPECT_EQ(log(1), "Резервная копия handling_ADMIRAL_7.hb восстановлена...|") << "a refusal logs nothing";
  lookUp("FUTO"); // a miss in vehicles.ide leaves ADMIRAL's index standing
  EXPECT_EQ(restore(V, "v.hb"), "Строка машины в vehicles.ide не найдена. Выберите машину и нажмите \"ОК\"");
  fw::selectCategory(s, fw::Category::Car);
  EXPECT_EQ(restore(H, "handling_ADMIRAL_7.hb"), "'' is not a valid integer value");
  lookUp("ADMIRAL");
  game.write("common/data/vehicles.ide", "cars\r\nbanshee, x\r\n");
  EXPECT_EQ(restore(V, "v.hb"), "vehicles.ide изменился на диске, ничего не записано. Найдите машину заново");
  game.makeReadOnly("common/data/handling.dat");
  EXPECT_EQ(restore(H, "handling_ADMIRAL_7.hb"), "Cannot create file common//data//handling.dat");
  game.write("common/data/vehicles.ide", before.at("common/data/vehicles.ide"));
  EXPECT_EQ(files(), before);
}

#ifndef _WIN32
// A game folder copied from Windows spells its names in any letter case.
TEST_F(GameFolder, mixedCaseFoldersWorkAsTheProgramSpellsThem) {
  fs::rename(game.path() / "common", game.path() / "Common");
  fs::rename(game.path() / "Common/data/handling.dat", game.path() / "Common/data/Handling.DAT");
  fs::rename(game.path() / "backup/handling", game.path() / "backup/Handling");
  game.write("backup/HBLISTB.TXT", "handling_ADMIRAL_1.hb\r\n");
  game.write("FLEETWICK.INI", "a\r\nb\r\n");
  const std::string handling = game.read("Common/data/Handling.DAT");
  start();
  EXPECT_EQ(s.gamePath + std::to_string(s.file(H).backupNames.items.size()), "b1");
  lookUp("ADMIRAL");
  EXPECT_EQ(write(H, "1"), "");
  EXPECT_EQ(restore(H, "handling_ADMIRAL_2.hb"), "");
  EXPECT_EQ(game.read("Common/data/Handling.DAT"), handling);
  EXPECT_EQ(game.read("backup/HBLISTB.TXT"), "handling_ADMIRAL_2.hb\r\nhandling_ADMIRAL_1.hb\r\n");
  EXPECT_EQ(game.read("backup/Handling/handling_ADMIRAL_2.hb"), "ADMIRAL 1.0 2.0\r\n");
  EXPECT_FALSE(game.has("backup/hblistb.txt"));
}
#endif
