#include "records/Startup.h"
#include "TempFolder.h"
#include "common/Errors.h"

#include <gtest/gtest.h>

using fw::MainState;
using fw::test::TempFolder;

namespace {

void construct(MainState& s) { fw::constructMainState(s); }

} // namespace

TEST(Startup, loadsTheGameFolderIntoTheWorkingFields) {
  TempFolder game(true);
  fw::test::makeGameFolder(game, "H0\r\nH1\n", "V0\rV1", "C0\r\n");
  game.write("backup/hblistb.txt", "handling_A_2.hb\r\nhandling_A_1.hb\r\n");
  game.write("backup/hblist.txt", "handling_A_2.hb          t2\r\n");
  game.write("backup/vblistb.txt", "");
  game.write("backup/cblist.txt", "x\r\n\r\n");
  game.write("fleetwick.ini", "C:\\cv.exe\nC:\\game.exe\nignored\n");
  MainState s;
  construct(s);
  EXPECT_EQ(s.Buffer, game.str());
  EXPECT_EQ(s.Memo1, (fw::LineBuffer{"H0", "H1"}));
  EXPECT_EQ(s.Memo2, (fw::LineBuffer{"V0", "V1"}));
  EXPECT_EQ(s.Memo3, (fw::LineBuffer{"C0"}));
  EXPECT_EQ(s.ComboBox5.Items, (std::vector<std::string>{"handling_A_2.hb", "handling_A_1.hb"}));
  EXPECT_EQ(s.ComboBox5.Text, "");
  EXPECT_EQ(s.Memo6, (fw::LineBuffer{"handling_A_2.hb          t2"}));
  EXPECT_TRUE(s.ComboBox6.Items.empty()) << "an empty list file gives no items";
  EXPECT_EQ(s.Memo7, (fw::LineBuffer{""})) << "an absent dated list keeps the field's one empty line";
  EXPECT_EQ(s.Memo8, (fw::LineBuffer{"x", ""}));
  EXPECT_EQ(s.Edit14, "C:\\cv.exe");
  EXPECT_EQ(s.Edit15, "C:\\game.exe");
  EXPECT_EQ(s.ComboBox1.Text, "ADMIRAL");
  EXPECT_EQ(s.ComboBox1.Items.size(), 102u);
  EXPECT_EQ(s.ComboBox2.Text, "BOBBER");
  EXPECT_EQ(s.ComboBox3.Text, "DINGHY");
  EXPECT_EQ(s.ComboBox4.Text, "ANNHIL");
}

TEST(Startup, settingsWithOneLineOrNoneAtAll) {
  TempFolder game(true);
  fw::test::makeGameFolder(game, "", "", "", false);
  MainState none;
  construct(none);
  EXPECT_EQ(none.Edit14, "");
  EXPECT_EQ(none.Edit15, "");
  EXPECT_TRUE(none.ComboBox5.Items.empty());
  EXPECT_EQ(none.Memo10, (fw::LineBuffer{"Memo10"}));
  game.write("fleetwick.ini", "only one");
  MainState one;
  construct(one);
  EXPECT_EQ(one.Edit14, "only one");
  EXPECT_EQ(one.Edit15, "");
}

TEST(Startup, aMissingDataFileStopsStartupAndCreatesNothing) {
  struct Case {
    const char* missing;
    const char* message;
  };
  for (Case c : {Case{"common/data/handling.dat", "Cannot open file common//data//handling.dat"},
                 Case{"common/data/vehicles.ide", "Cannot open file common//data//vehicles.ide"},
                 Case{"common/data/carcols.dat", "Cannot open file common//data//carcols.dat"}}) {
    TempFolder game(true);
    fw::test::makeGameFolder(game, "h", "v", "c", false);
    std::filesystem::remove(game.path() / c.missing);
    const std::string before = game.listing();
    MainState s;
    try {
      construct(s);
      ADD_FAILURE() << "started without " << c.missing;
    } catch (const fw::Error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(game.listing(), before);
  }
}
