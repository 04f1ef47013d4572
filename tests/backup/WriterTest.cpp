#include "GameFixture.h"
#include "backup/RecordWriter.h"

using fw::FileKind;
using fw::LineBuffer;

class Writer : public fw::test::GameFixture {
protected:
  std::string utf8Log(std::size_t i) { return fw::cp1251::toUtf8(s.Memo4.at(static_cast<std::int64_t>(i))); }
};

TEST_F(Writer, replacesTheHandlingLineAfterBackingItUp) {
  start();
  lookUp("ADMIRAL");
  write(FileKind::Handling, "9.0 8.0 7");
  EXPECT_EQ(game.read("common/data/handling.dat"),
            "; handling\r\nADMIRAL 9.0 8.0 7\r\nBANSHEE 3.0\r\nMANANA  4.0\r\nCONTENDER 5\r\n#SWAT 6\r\n"
            ";------- bikes\r\n");
  EXPECT_EQ(game.read("backup/handling/handling_ADMIRAL_1.hb"), "ADMIRAL 1.0 2.0\r\n");
  EXPECT_EQ(game.read("backup/hblistb.txt"), "handling_ADMIRAL_1.hb\r\n");
  EXPECT_EQ(game.read("backup/hblist.txt"), "handling_ADMIRAL_1.hb          06.12.2026 10:00:00\r\n\r\n");
  EXPECT_EQ(s.ComboBox5.Items, std::vector<std::string>{"handling_ADMIRAL_1.hb"});
  EXPECT_EQ(s.ComboBox5.Text, "handling_ADMIRAL_1.hb");
  EXPECT_EQ(s.Hb, "0");
  ASSERT_EQ(s.Memo4.size(), 3u);
  EXPECT_EQ(utf8Log(1), "Резервная копия handling_ADMIRAL_1.hb создана...");
  EXPECT_EQ(utf8Log(2), "handling.dat записан...");
  ASSERT_EQ(reloads.size(), 1u);
  EXPECT_EQ(reloads[0].kind, FileKind::Handling);
  EXPECT_EQ(reloads[0].lines.at(1), "ADMIRAL 9.0 8.0 7");
  EXPECT_EQ(s.Edit2.Text, "");
  EXPECT_EQ(s.Memo1.at(1), "ADMIRAL 9.0 8.0 7");
  EXPECT_EQ(game.listing().find(".XXXXXX"), std::string::npos);
}

TEST_F(Writer, newLinesOfEachKindAndTheirOwnNumbering) {
  start();
  lookUp("ADMIRAL");
  write(FileKind::Handling, "a");
  write(FileKind::Handling, "b");
  write(FileKind::Vehicles, "car, ADMIRAL");
  write(FileKind::Carcols, "5,5");
  EXPECT_EQ(game.read("backup/handling/handling_ADMIRAL_2.hb"), "ADMIRAL a\r\n")
      << "second holds the first write";
  EXPECT_EQ(game.read("backup/hblistb.txt"), "handling_ADMIRAL_2.hb\r\nhandling_ADMIRAL_1.hb\r\n");
  EXPECT_EQ(game.read("backup/vehicles/vehicles_ADMIRAL_1.hb"), "admiral,\tadmiral,\tcar\r\n");
  EXPECT_EQ(game.read("backup/carcols/carcols_ADMIRAL_1.hb"), "admiral,\t1,1\r\n");
  EXPECT_EQ(LineBuffer::fromBytes(game.read("common/data/vehicles.ide")).at(1),
            "admiral, admiral, car, ADMIRAL");
  EXPECT_EQ(LineBuffer::fromBytes(game.read("common/data/carcols.dat")).at(2), "admiral, 5,5");
  EXPECT_EQ(game.read("backup/vblistb.txt"), "vehicles_ADMIRAL_1.hb\r\n");
  EXPECT_EQ(game.read("backup/cblist.txt"), "carcols_ADMIRAL_1.hb          06.12.2026 10:00:00\r\n\r\n");
}

TEST_F(Writer, numbersCountEveryEntryWhateverVehicle) {
  game.write("backup/hblistb.txt", "handling_X_2.hb\r\n\r\n");
  start();
  lookUp("ADMIRAL");
  write(FileKind::Handling, "1");
  lookUp("BANSHEE");
  write(FileKind::Handling, "2");
  EXPECT_TRUE(game.has("backup/handling/handling_ADMIRAL_3.hb")) << "a blank line counts as an entry";
  EXPECT_TRUE(game.has("backup/handling/handling_BANSHEE_4.hb"));
}

TEST_F(Writer, labelsWithBlankAndHashAndEmptyInput) {
  start();
  lookUp("MANANA ");
  write(FileKind::Handling, "");
  EXPECT_EQ(game.read("backup/handling/handling_MANANA _1.hb"), "MANANA  4.0\r\n");
  EXPECT_EQ(LineBuffer::fromBytes(game.read("common/data/handling.dat")).at(3), "MANANA  ");
  lookUp("#SWAT");
  write(FileKind::Handling, " 1");
  EXPECT_EQ(game.read("backup/handling/handling_#SWAT_2.hb"), "#SWAT 6\r\n");
  EXPECT_EQ(LineBuffer::fromBytes(game.read("common/data/handling.dat")).at(5), "#SWAT  1");
}

TEST_F(Writer, bareLineFeedsAreWrittenBackWithCrLf) {
  game.write("common/data/handling.dat", "ADMIRAL 1\nBANSHEE 2\r;------- bikes\n");
  start();
  lookUp("BANSHEE");
  write(FileKind::Handling, "3");
  EXPECT_EQ(game.read("common/data/handling.dat"), "ADMIRAL 1\r\nBANSHEE 3\r\n;------- bikes\r\n");
}

TEST_F(Writer, anExistingBackupFileIsNeverOverwritten) {
  game.write("backup/handling/handling_ADMIRAL_1.hb", "older\r\n");
  start();
  lookUp("ADMIRAL");
  write(FileKind::Handling, "x");
  EXPECT_EQ(game.read("backup/handling/handling_ADMIRAL_1.hb"), "older\r\n");
  EXPECT_EQ(game.read("backup/handling/handling_ADMIRAL_2.hb"), "ADMIRAL 1.0 2.0\r\n");
  EXPECT_EQ(s.ComboBox5.Items.front(), "handling_ADMIRAL_2.hb");
  EXPECT_EQ(utf8Log(1), "Резервная копия handling_ADMIRAL_2.hb создана...");
}

TEST_F(Writer, theFileIsReReadBeforeWriting) {
  start();
  lookUp("BANSHEE");
  game.write("common/data/handling.dat", "; other\r\nADMIRAL 0\r\nBANSHEE 7.7\r\n");
  write(FileKind::Handling, "1");
  EXPECT_EQ(game.read("common/data/handling.dat"), "; other\r\nADMIRAL 0\r\nBANSHEE 1\r\n");
  EXPECT_EQ(game.read("backup/handling/handling_BANSHEE_1.hb"), "BANSHEE 7.7\r\n");
}

// Each failure leaves exactly what the steps before it did.
TEST_F(Writer, missingBackupFolderWritesNothing) {
  std::filesystem::remove_all(game.path() / "backup");
  start();
  lookUp("ADMIRAL");
  const std::string before = game.listing();
  EXPECT_EQ(errorOf([&] { write(FileKind::Handling, "x"); }),
            "Cannot create file " + game.str() + "//backup//handling//handling_ADMIRAL_1.hb");
  EXPECT_EQ(game.listing(), before);
  EXPECT_EQ(game.read("common/data/handling.dat"), fw::test::kHandling);
  EXPECT_EQ(s.Memo4, LineBuffer{""});
  EXPECT_TRUE(s.ComboBox5.Items.empty());
}

TEST_F(Writer, readOnlyListFileStopsBeforeTheDataFile) {
  game.write("backup/hblistb.txt", "");
  game.makeReadOnly("backup/hblistb.txt");
  start();
  lookUp("ADMIRAL");
  EXPECT_EQ(errorOf([&] { write(FileKind::Handling, "x"); }),
            "Cannot create file " + game.str() + "//backup//hblistb.txt");
  EXPECT_TRUE(game.has("backup/handling/handling_ADMIRAL_1.hb"));
  EXPECT_EQ(s.ComboBox5.Items.size(), 1u) << "the in-memory list holds the new entry";
  EXPECT_EQ(game.read("backup/hblistb.txt"), "");
  EXPECT_EQ(game.read("common/data/handling.dat"), fw::test::kHandling);
  EXPECT_EQ(s.Memo4.size(), 2u) << "the created line only";
}

TEST_F(Writer, readOnlyDataFileKeepsTheBackupAndTheOldFile) {
  game.makeReadOnly("common/data/handling.dat");
  start();
  lookUp("ADMIRAL");
  EXPECT_EQ(errorOf([&] { write(FileKind::Handling, "x"); }),
            "Cannot create file " + game.str() + "//common//data//handling.dat");
  EXPECT_EQ(game.read("common/data/handling.dat"), fw::test::kHandling);
  EXPECT_TRUE(game.has("backup/handling/handling_ADMIRAL_1.hb"));
  EXPECT_EQ(game.read("backup/hblistb.txt"), "handling_ADMIRAL_1.hb\r\n");
  EXPECT_EQ(s.Memo1.at(1), "ADMIRAL x") << "the buffer holds the new line";
  EXPECT_EQ(s.Memo4.size(), 2u) << "no written line";
  EXPECT_EQ(s.Edit2.Text, "x");
}

TEST_F(Writer, missingDataFileAndNonNumericIndex) {
  start();
  EXPECT_EQ(errorOf([&] { write(FileKind::Handling, "x"); }), "'Edit1' is not a valid integer value");
  std::filesystem::remove(game.path() / "common/data/carcols.dat");
  lookUp("ADMIRAL");
  EXPECT_EQ(errorOf([&] { write(FileKind::Carcols, "x"); }),
            "Cannot open file " + game.str() + "//common//data//carcols.dat");
  EXPECT_EQ(game.listing().find("carcols_"), std::string::npos);
}

TEST_F(Writer, refusesALineThatChangedOnDiskSinceTheLookup) {
  start();
  lookUp("BANSHEE");
  game.write("common/data/handling.dat", "BANSHEE 1\r\nADMIRAL 2\r\nDUKES 3\r\n");
  EXPECT_EQ(errorOf([&] { write(FileKind::Handling, "x"); }),
            "handling.dat изменился на диске, ничего не записано. Найдите машину заново");
  EXPECT_EQ(game.read("common/data/handling.dat"), "BANSHEE 1\r\nADMIRAL 2\r\nDUKES 3\r\n");
  EXPECT_FALSE(game.has("backup/handling/handling_BANSHEE_1.hb"));
}

TEST_F(Writer, refusesWhatTheLastLookupDidNotFind) {
  start();
  lookUp("ADMIRAL");
  game.write("common/data/carcols.dat", "car4\r\nadmiral, 1\r\n");
  s.Memo3 = LineBuffer{"car4", "admiral, 1"};
  lookUp("ADMIRAL");
  ASSERT_EQ(s.Edit6, "2") << "the index left by the first lookup";
  EXPECT_EQ(errorOf([&] { write(FileKind::Carcols, "x"); }),
            "Строка машины в carcols.dat не найдена. Выберите машину и нажмите \"ОК\"");
  s.Label1.clear(); // a list change clears the label
  EXPECT_EQ(errorOf([&] { write(FileKind::Handling, "x"); }),
            "Строка машины в handling.dat не найдена. Выберите машину и нажмите \"ОК\"");
  EXPECT_EQ(game.listing().find(".hb"), std::string::npos);
}

TEST_F(Writer, refusesALabelThatIsNoPlainFileNamePart) {
  game.write("common/data/handling.dat", "..\\x 1\r\n;------- bikes\r\n");
  start();
  lookUp("..\\x");
  ASSERT_TRUE(s.Records[0].Found);
  EXPECT_NE(errorOf([&] { write(FileKind::Handling, "y"); }), "no error");
  EXPECT_EQ(game.read("common/data/handling.dat"), "..\\x 1\r\n;------- bikes\r\n");
  EXPECT_EQ(game.listing().find(".hb"), std::string::npos);
}

TEST_F(Writer, refusesALineBreakThatWouldSplitTheNewLine) {
  start();
  lookUp("ADMIRAL");
  for (const char* text : {"1.0\r\nBANSHEE 2", "1.0\n", "\r"}) {
    EXPECT_EQ(errorOf([&] { write(FileKind::Handling, text); }),
              "Строка не может содержать перевод строки, ничего не записано");
  }
  EXPECT_EQ(game.read("common/data/handling.dat"), fw::test::kHandling);
  EXPECT_EQ(game.listing().find(".hb"), std::string::npos);
}
