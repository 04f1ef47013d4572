#include "backup/Restore.h"
#include "GameFixture.h"
#include "backup/RecordWriter.h"
#include "records/CategorySwitch.h"

using fw::FileKind;
using fw::LineBuffer;

class Restore : public fw::test::GameFixture {
protected:
  std::string handlingLine(int i) {
    return std::string(LineBuffer::fromBytes(game.read("common/data/handling.dat")).at(i));
  }
};

TEST_F(Restore, putsBackTheNewestAndAnOlderBackup) {
  start();
  lookUp("ADMIRAL");
  write(FileKind::Handling, "first");
  write(FileKind::Handling, "second");
  restore(FileKind::Handling, "handling_ADMIRAL_2.hb");
  EXPECT_EQ(handlingLine(1), "ADMIRAL first");
  restore(FileKind::Handling, "handling_ADMIRAL_2.hb");
  EXPECT_EQ(handlingLine(1), "ADMIRAL first") << "restoring twice gives the same file";
  restore(FileKind::Handling, "handling_ADMIRAL_1.hb");
  EXPECT_EQ(game.read("common/data/handling.dat"), fw::test::kHandling);
  EXPECT_EQ(fw::cp1251::toUtf8(s.Memo4.lines().back()),
            "Резервная копия handling_ADMIRAL_1.hb восстановлена...");
  EXPECT_EQ(s.ComboBox5.Items.size(), 2u) << "a restore adds nothing to the lists";
  EXPECT_EQ(reloads.back().kind, FileKind::Handling);
  EXPECT_EQ(reloads.back().lines.at(1), "ADMIRAL 1.0 2.0");
}

TEST_F(Restore, takesOnlyTheFirstLineOfTheBackup) {
  game.write("backup/vehicles/typed.hb", "admiral, admiral, old\r\nsecond line\r\n");
  start();
  lookUp("ADMIRAL");
  restore(FileKind::Vehicles, "typed.hb");
  EXPECT_EQ(LineBuffer::fromBytes(game.read("common/data/vehicles.ide")).at(1), "admiral, admiral, old");
  EXPECT_EQ(LineBuffer::fromBytes(game.read("common/data/vehicles.ide")).size(), 7u);
}

TEST_F(Restore, reReadsTheFileSoItNeverBringsBackStaleContent) {
  start();
  lookUp("BANSHEE");
  write(FileKind::Handling, "new");
  game.write("common/data/handling.dat", "; replaced\r\nADMIRAL 0\r\nBANSHEE 9\r\n");
  restore(FileKind::Handling, "handling_BANSHEE_1.hb");
  EXPECT_EQ(game.read("common/data/handling.dat"), "; replaced\r\nADMIRAL 0\r\nBANSHEE 3.0\r\n");
}

TEST_F(Restore, failuresChangeNothing) {
  start();
  struct Case {
    const char* name;
    std::string message;
  };
  EXPECT_EQ(errorOf([&] { restore(FileKind::Handling, ""); }), "Cannot open file backup//handling//");
  EXPECT_EQ(errorOf([&] { restore(FileKind::Handling, "handling_X_9.hb"); }),
            "Cannot open file backup//handling//handling_X_9.hb");
  game.write("backup/handling/handling_ADMIRAL_1.hb", "ADMIRAL 5\r\n");
  EXPECT_EQ(errorOf([&] { restore(FileKind::Handling, "handling_ADMIRAL_1.hb"); }),
            "'Edit1' is not a valid integer value");
  lookUp("ADMIRAL");
  fw::selectCategory(s, fw::Category::Bike);
  EXPECT_EQ(errorOf([&] { restore(FileKind::Handling, "handling_ADMIRAL_1.hb"); }),
            "'' is not a valid integer value");
  EXPECT_EQ(game.read("common/data/handling.dat"), fw::test::kHandling);
}

TEST_F(Restore, refusesAnotherVehiclesBackupAndNamesOutsideTheFolder) {
  game.write("backup/handling/handling_BANSHEE_1.hb", "BANSHEE 1\r\n");
  game.write("backup/handling/empty.hb", "");
  game.write("secret.hb", "ADMIRAL 666\r\n");
  start();
  lookUp("ADMIRAL");
  EXPECT_EQ(errorOf([&] { restore(FileKind::Handling, "handling_BANSHEE_1.hb"); }),
            "Эта резервная копия не для ADMIRAL, ничего не изменено");
  EXPECT_EQ(errorOf([&] { restore(FileKind::Handling, "empty.hb"); }),
            "Эта резервная копия не для ADMIRAL, ничего не изменено");
  EXPECT_EQ(errorOf([&] { restore(FileKind::Handling, "../../secret.hb"); }),
            "\"../../secret.hb\" не имя резервной копии, ничего не изменено");
  EXPECT_EQ(errorOf([&] { restore(FileKind::Handling, ".."); }),
            "\"..\" не имя резервной копии, ничего не изменено");
  EXPECT_EQ(game.read("common/data/handling.dat"), fw::test::kHandling);
}

TEST_F(Restore, refusesAfterTheVehicleListChanged) {
  game.write("backup/carcols/c.hb", "admiral, 7\r\n");
  start();
  lookUp("ADMIRAL");
  fw::vehicleListChanged(s);
  EXPECT_EQ(errorOf([&] { restore(FileKind::Carcols, "c.hb"); }),
            "Строка машины в carcols.dat не найдена. Выберите машину и нажмите \"ОК\"");
  EXPECT_EQ(game.read("common/data/carcols.dat"), fw::test::kCarcols);
}

TEST_F(Restore, readOnlyDataFileLeavesTheFileButTheBufferHoldsTheLine) {
  game.write("backup/handling/h.hb", "ADMIRAL 5\r\n");
  game.makeReadOnly("common/data/handling.dat");
  start();
  lookUp("ADMIRAL");
  EXPECT_EQ(errorOf([&] { restore(FileKind::Handling, "h.hb"); }),
            "Cannot create file common//data//handling.dat");
  EXPECT_EQ(game.read("common/data/handling.dat"), fw::test::kHandling);
  EXPECT_EQ(s.Memo1.at(1), "ADMIRAL 5");
  EXPECT_EQ(s.Memo4, LineBuffer{""});
}
