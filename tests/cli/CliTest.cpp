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
  // The command that undoes a write quotes a backup name with a blank.
  const auto manana = [](std::string prefix) { return "\"" + prefix + "MANANA _1\""; };
  const auto tug = [](std::string prefix) { return prefix + "TUG_2"; };
  for (auto [category, entry, name, values, undo] :
       {std::tuple{Category::Car, "MANANA ", "manana", std::array{"1.0 2.0", "car, 7", "Ж1, 2"},
                   std::function<std::string(std::string)>(manana)},
        std::tuple{Category::Boat, "TUG", "TUG", std::array{"9.5 -1", "boat, 3", "4,4"},
                   std::function<std::string(std::string)>(tug)}}) {
    const std::size_t logged = byWindow.s.log.size();
    selectCategory(byWindow.s, category), vehicleListChanged(byWindow.s), byWindow.lookUp(entry, category);
    for (FileKind k : kFileKinds)
      EXPECT_EQ(byWindow.write(k, cp1251::fromUtf8(values[indexOf(k)])), "");
    // Values as Notepad copies them, with their line end. In Russian the report is the log's lines.
    const Cli r = cli({"-C", byCli.folder.str(), "replace", name, "--force", "--handling",
                       std::string(values[0]) + "\r\n", "--vehicles", values[1], "--carcols", values[2]},
                      "", "LC_ALL=ru_RU.UTF-8"); // lines the game cannot load
    EXPECT_EQ(r.code, 0) << r.err;
    std::string report;
    for (const std::string& line : byWindow.log(logged))
      report += line + '\n';
    for (const char* prefix : {"handling_", "vehicles_", "carcols_"})
      report += "Отменить: fleetwick-cli -C \"" + byCli.folder.str() + "\" restore " + undo(prefix) + "\n";
    EXPECT_EQ(r.out, report);
  }
  EXPECT_EQ(byCli.undated(), byWindow.undated());
}

// Each failure says what went wrong and what to do, in the user's language, and changes nothing.
TEST(Cli, failuresSayWhatToDoInTheUsersLanguageAndChangeNothing) {
  const struct {
    const char* folder; // after -C, ~ standing for the game folder; no -C at all when empty
    const char* command;
    int code;
    const char *english, *russian; // in what it prints: on stderr, on stdout when the code is 0
  } cases[] = {
      {"/nonexistent/game", "show BANSHEE", 1,
       "Cannot open the folder /nonexistent/game: it is missing or not a folder. -C takes the game folder.",
       "Не удаётся открыть папку /nonexistent/game: её нет или это не папка. -C нужна папка игры."},
      {"~/backup", "check", 1,
       "/backup has no common/data/handling.dat. Run fleetwick-cli in the game folder",
       "/backup нет common/data/handling.dat. Запустите fleetwick-cli в папке игры"},
      {"", "show BANSHEE -C '~/common/data'", 1, "the game folder is two levels up (-C ../..)",
       "папка игры двумя уровнями выше (-C ../..)"}, // an option after the operand
      {"", "show banshee", 0, "handling.dat:230:BANSHEE ", "handling.dat:230:BANSHEE "}, // the model name
      {"~", "show banshe", 1, "Nearest: BANSHEE, BENSON, RANCHER. To list them all: fleetwick-cli list",
       "Похожие: BANSHEE, BENSON, RANCHER. Список всех: fleetwick-cli list"},
      {"~", "list boat", 0, "SQUALO\tsqualo\tboat\nTROPIC\ttropic\tboat\nTUG\ttuga\tboat\n",
       "SQUALO\tsqualo\tboat\nTROPIC\ttropic\tboat\nTUG\ttuga\tboat\n"},
      {"~", "list plane", 1, "There is no category plane: car, bike, boat or heli.",
       "Нет категории plane: car, bike, boat или heli."},
      {"~", "restore BANSHEE", 1,
       "restore takes the name of one of its backups; to list them: fleetwick-cli -C \"~\" backups BANSHEE",
       "restore нужно имя одной из её резервных копий; список копий: fleetwick-cli -C \"~\" backups BANSHEE"},
      {"~", "restore handling_BANSHEE_9", 1,
       "There is no backup handling_BANSHEE_9.hb; to list BANSHEE's backups: fleetwick-cli -C \"~\" backups "
       "BANSHEE",
       "Резервной копии handling_BANSHEE_9.hb нет; список копий BANSHEE: fleetwick-cli -C \"~\" backups "
       "BANSHEE"},
      {"~", "restore handling_BANSHEE_19", 1,
       "not BANSHEE's: nothing was changed. To list BANSHEE's backups: fleetwick-cli backups BANSHEE",
       "не BANSHEE: ничего не изменено. Список копий BANSHEE: fleetwick-cli backups BANSHEE"},
      {"~", "restore handling_BANSHEE_x.hb", 1,
       "the vehicle, _ and a number (handling_BANSHEE_1); to list the backups:",
       "машина, _ и номер (handling_BANSHEE_1); список копий:"},
      {"~", "restore handling_BANSHEE_1", 0, "Backup handling_BANSHEE_1.hb restored...",
       "Резервная копия handling_BANSHEE_1.hb восстановлена..."},
      {"~", "replace BANSHEE --handling 1 --carcols \u2713", 1,
       "--carcols holds \"\u2713\", which Windows-1251, the game files' encoding, cannot hold: nothing was "
       "written.",
       "--carcols содержит \"\u2713\", которого нет в Windows-1251"},
      {"~", "replace BANSHEE --vehicles 1 --carcols '1,1\n2,2'", 1,
       "--carcols holds a line break: nothing was written. Give it the values of one line.",
       "--carcols содержит перевод строки: ничего не записано. Дайте значения одной строки."},
      {"~", "replace BANSHEE --carcols 45,0", 1,
       "~/common/data/carcols.dat is read-only: nothing was changed. Make it writable (on Linux: chmod u+w",
       "~/common/data/carcols.dat только для чтения: ничего не изменено. Снимите запрет записи"},
      {"~", "replace BANSHEE --handling 'BANSHEE 1 2'", 1,
       "the identifier the program writes itself: leave it out\nhandling.dat:230: error: 3 values typed, the "
       "row takes 36\nNothing was written: the game cannot load these lines. Leave out the names",
       "который программа пишет сама: уберите его\nhandling.dat:230: ошибка: введено значений: 3, строка "
       "принимает 36\nНичего не записано: игра не загрузит эти строки. Уберите названия"},
      {"~", "replace BANSHEE --vehicles 'banshee, banshee, car'", 1,
       "leave out the model name and the texture dictionary (banshee, banshee,)",
       "уберите название модели и словаря текстур (banshee, banshee,)"},
      {"~", "replace BANSHEE --carcols '0,0, 149,149, 999,1'", 1,
       "error: value 5 of the typed text: colour 999 is not among the table's 159 colours\n",
       "ошибка: значение 5 введённого текста: цвета 999 нет в таблице из 159 цветов\n"},
      {"~", "replace BANSHEE --handling=1 --dry-run --force", 0,
       "- BANSHEE 1\n+ BANSHEE 1\nhandling.dat:230: error",
       "- BANSHEE 1\n+ BANSHEE 1\nhandling.dat:230: ошибка"},
      {"~", "replace BANSHEE --dry-run --carcols 45,0", 0,
       "warning: the write would be refused: ~/common/data/carcols.dat is read-only",
       "внимание: запись не удалась бы: ~/common/data/carcols.dat только для чтения"},
      {"~", "backups ADMIRAL", 0, "No backups of ADMIRAL yet: replace, install and reset make them.",
       "Резервных копий ADMIRAL пока нет: их делают replace, install и reset."},
      {"~", "replace BANSHEE --dry-run", 2,
       "replace needs --handling, --vehicles or --carcols\nThe commands and their options: fleetwick-cli "
       "--help",
       "replace нужен --handling, --vehicles или --carcols\nКоманды и их параметры: fleetwick-cli --help"},
      {"~", "replace BANSHEE --handling 1.0 2.0", 2,
       "unexpected 2.0: a line's values go in one pair of quotes",
       "лишнее 2.0: значения строки пишутся в одних кавычках"},
      {"~", "replace BANSHEE --dry-run --carcols --help", 1, "Nothing was written", "Ничего не записано"},
      {"~", "restore handling_BANSHEE_", 1, "\"handling_BANSHEE_\" is no backup's name",
       "\"handling_BANSHEE_\" — не имя резервной копии"},
      {"~", "frobnicate BANSHEE", 2, "unknown command frobnicate", "нет команды frobnicate"}};

  for (const auto& c : cases) {
    for (auto [locale, expected] :
         {std::pair{"LC_ALL=C.UTF-8", c.english}, {"LC_ALL=ru_RU.UTF-8", c.russian}}) {
      StockGame game; // with a backup of BANSHEE's line, and another vehicle's line under its name
      EXPECT_EQ(cli({"-C", game.folder.str(), "replace", "BANSHEE", "--force", "--handling", "1"}).code, 0);
      game.folder.write("backup/handling/handling_BANSHEE_19.hb", "ADMIRAL 1\r\n");
      game.folder.makeReadOnly("common/data/carcols.dat");
      const auto before = game.undated();
      std::vector<std::string> folder;
      if (*c.folder) folder = {"-C", game.inFolder(c.folder)};
      const Cli r = cli(folder, game.inFolder(c.command), locale);
      EXPECT_EQ(r.code, c.code) << c.command;
      EXPECT_NE((c.code == 0 ? r.out : r.err).find(game.inFolder(expected)), std::string::npos)
          << locale << " " << c.command << "\n"
          << r.out << r.err;
      if (c.code) {
        EXPECT_EQ(game.undated(), before) << c.command;
      }
    }
  }
}

TEST(Cli, backupsShowTheirLinesAndAWriteWithoutBackupFoldersMakesThem) {
  StockGame game;
  fs::remove_all(game.folder.path("backup"));
  const std::string folder = game.folder.str();
  EXPECT_EQ(cli({"-C", folder, "backups"}).out, "No backups yet: replace, install and reset make them.\n");
  const std::string carcols = "banshee,\t45,0,\t149,149,\t35,35,\t149,20,\t53,53", b = folder + "/backup",
                    folders = b + ", " + b + "/handling, " + b + "/vehicles, " + b + "/carcols\n";
  EXPECT_EQ(cli({"-C", folder, "replace", "BANSHEE", "--carcols", "0,0", "--dry-run"}).out,
            "carcols.dat:190\n- " + carcols +
                "\n+ banshee, 0,0\nThe write would make the folders for the backups: " + folders);
  EXPECT_EQ(cli({"-C", folder, "replace", "BANSHEE", "--carcols", "0,0"}).out,
            "Made the folders for the backups: " + folders +
                "Backup carcols_BANSHEE_1.hb made...\ncarcols.dat written...\nTo undo: fleetwick-cli -C \"" +
                folder + "\" restore carcols_BANSHEE_1\n");
  EXPECT_EQ(game.folder.read("backup/carcols/carcols_BANSHEE_1.hb"), carcols + "\r\n");
  game.folder.write("backup/handling/handling_ADMIRAL_2.hb", "ADMIRAL 1\r\n");
  game.folder.write("backup/hblistb.txt", "handling_ADMIRAL_2.hb\r\nhandling_BANSHEE_1.hb\r\n");
  game.folder.write("backup/hblist.txt",
                    "handling_ADMIRAL_2.hb          today\r\nhandling_BANSHEE_1.hb  then\r\n");
  game.folder.write("backup/cblist.txt", "carcols_BANSHEE_1.hb          now\r\n");
  EXPECT_EQ(
      cli({"-C", folder, "backups", "banshee"}).out,
      "handling.dat\thandling_BANSHEE_1.hb\tthen\t(no such file)\ncarcols.dat\tcarcols_BANSHEE_1.hb\tnow\t" +
          carcols + "\n");
  // A long line is cut where a character begins.
  game.folder.write("backup/handling/handling_ADMIRAL_2.hb", "ADMIRAL  " + std::string(30, '\xC6') + "\r\n");
  std::string zhe;
  for (int i = 0; i < 25; ++i)
    zhe += "Ж";
  EXPECT_EQ(cli({"-C", folder, "backups", "ADMIRAL"}).out,
            "handling.dat\thandling_ADMIRAL_2.hb\ttoday\tADMIRAL  " + zhe + "...\n");
}
// A script changes all the files it names or none: each is checked before the first is written.
TEST(Cli, replaceChangesAllItsFilesOrNone) {
  const struct {
    std::function<void(TempFolder&)> arrange;
    const char* limit; // before the command: a file size limit, for a fault that strikes mid-way
    const char* error;
  } cases[] = {
      {[](TempFolder& f) { f.makeReadOnly("common/data/carcols.dat"); }, "",
       "~/common/data/carcols.dat is read-only: nothing was changed."},
      {[](TempFolder& f) { fs::remove(f.path("backup/carcols")), f.write("backup/carcols", ""); }, "",
       "Cannot make the folder ~/backup/carcols for the backups: something else has its name"},
      {[](TempFolder& f) { f.write("backup/cblistb.txt", ""), f.makeReadOnly("backup/cblistb.txt"); }, "",
       "~/backup/cblistb.txt is read-only: nothing was changed."},
      // No carcols.dat row for the vehicle, while the one the command leaves out has its own.
      {[](TempFolder& f) { f.write("common/data/carcols.dat", "col\r\nend\r\ncar4\r\n"); }, "",
       "carcols.dat has no line of this vehicle: nothing was written. Leave that file's option out"},
      // A limit between the two data files' sizes (56 or 112 kB as the shell counts): no check foresees it.
      {[](TempFolder& f) {
         f.write("common/data/carcols.dat", f.read("common/data/carcols.dat") + std::string(150000, '#'));
       },
       "trap '' XFSZ; ulimit -f 110;",
       "Cannot write ~/common/data/carcols.dat (a full disk, or another program holding it): the command "
       "stopped after handling.dat had been written. The commands above put those back.\n"}};
  for (const auto& [arrange, limit, error] : cases) {
    StockGame game;
    arrange(game.folder);
    const auto before = game.files();
    const Cli r =
        cli({"-C", game.folder.str(), "replace", "BANSHEE", "--force", "--handling", "1", "--carcols", "1,1"},
            "", limit);
    EXPECT_EQ(r.code, 1) << error;
    EXPECT_NE(r.err.find(game.inFolder(error)), std::string::npos) << r.err;
    EXPECT_EQ(game.files() == before, !*limit) << error;
    EXPECT_EQ(r.out.ends_with("To undo: fleetwick-cli -C \"" + game.folder.str() +
                              "\" restore handling_BANSHEE_1\n"),
              *limit != 0)
        << r.out;
  }
}

TEST(Cli, checkAndLookupsNameEachLineTheGameCannotLoad) {
  StockGame game;
  const std::string folder = game.folder.str();
  EXPECT_EQ(cli({"-C", folder, "check"}).out, "0 errors, 0 warnings.\n") << "the stock copies";
  cli({"-C", folder, "replace", "BANSHEE", "--force", "--handling", "1", "--vehicles",
       "car, NIGHTFALL, NIGHTFALL, STD_LOW, null, 30, 999, 0.2968, 0.2968, -1, 1.5, 3, 0", "--carcols",
       "0,0,0"});
  const Cli broken = cli({"-C", folder, "check"});
  EXPECT_EQ(broken.code, 1);
  EXPECT_EQ(broken.out, "handling.dat:230: error: 2 values where the section's lines have 37\n"
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
  EXPECT_EQ(
      repaired.err,
      "handling.dat:230: warning: field B (value 1 of the typed text): 60000.0 is outside 1.0 to 50000.0\n");
  std::string handling = game.folder.read("common/data/handling.dat");
  EXPECT_NE(handling.find("\nBANSHEE 60000.0 1.6 "), std::string::npos);
  // A lookup stopped by a missing marker names the file and the marker, and what to do.
  game.folder.write("common/data/handling.dat", handling.erase(handling.find(";------- bikes") + 1, 13));
  EXPECT_EQ(
      cli({"-C", folder, "show", "BANSHEE"}).err,
      "handling.dat has no line with \";------- bikes\", which ends the part of it that is searched: "
      "put that line back, or save the stock handling.dat from the window's File menu. To see what else "
      "is wrong: fleetwick-cli check\n");
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
