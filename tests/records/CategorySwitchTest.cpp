#include "records/CategorySwitch.h"

#include <gtest/gtest.h>

using fw::Category;
using fw::MainState;

namespace {

MainState afterLookup() {
  MainState s;
  s.Label1 = "ADMIRAL";
  s.Label5 = "x";
  s.Edit1 = "3";
  s.Edit5 = "4";
  s.Edit2 = {"typed", true};
  s.Edit3.Enabled = s.Edit4.Enabled = true;
  s.Button5.Enabled = s.Button6.Enabled = s.Button7.Enabled = true;
  s.PageControl1 = 2;
  s.Label2 = "hint";
  return s;
}

} // namespace

TEST(CategorySwitch, showsOnlyTheChosenCategorysListAndButton) {
  for (Category c : fw::kCategories) {
    MainState s = afterLookup();
    fw::selectCategory(s, c);
    for (Category other : fw::kCategories) {
      EXPECT_EQ(s.checked(other), other == c);
      EXPECT_EQ(s.vehicleList(other).Visible, other == c);
      EXPECT_EQ(s.lookupButton(other).Visible, other == c);
    }
  }
}

TEST(CategorySwitch, closesTheRecordButKeepsRestoreButtonsAndTexts) {
  MainState s = afterLookup();
  s.ComboBox2.Text = "PCJ";
  fw::selectCategory(s, Category::Boat);
  EXPECT_EQ(s.Label1, "");
  EXPECT_EQ(s.Label5, "");
  EXPECT_EQ(s.Edit1, "");
  EXPECT_EQ(s.Edit5, "4");
  EXPECT_FALSE(s.Edit2.Enabled || s.Button5.Enabled || s.Edit3.Enabled || s.Button6.Enabled ||
               s.Edit4.Enabled || s.Button7.Enabled);
  EXPECT_TRUE(s.Button12.Enabled && s.Button13.Enabled && s.Button14.Enabled);
  EXPECT_EQ(s.Edit2.Text, "typed");
  EXPECT_EQ(s.Label2, "hint");
  EXPECT_EQ(s.PageControl1, 2);
  EXPECT_EQ(s.ComboBox2.Text, "PCJ");
}

TEST(CategorySwitch, clickingTheCheckedCategoryRepeatsTheReset) {
  MainState s = afterLookup();
  fw::selectCategory(s, Category::Car);
  EXPECT_TRUE(s.RadioButton1);
  EXPECT_EQ(s.Label1, "");
  EXPECT_FALSE(s.Button5.Enabled);
}

TEST(VehicleListChange, closesTheRecordAndTheRestoreButtons) {
  MainState s = afterLookup();
  fw::vehicleListChanged(s);
  EXPECT_EQ(s.Label1, "");
  EXPECT_EQ(s.Label5, "x");
  EXPECT_EQ(s.Edit1, "3") << "the index stays";
  EXPECT_FALSE(s.Edit2.Enabled || s.Button5.Enabled || s.Edit3.Enabled || s.Button6.Enabled ||
               s.Edit4.Enabled || s.Button7.Enabled);
  EXPECT_FALSE(s.Button12.Enabled || s.Button13.Enabled || s.Button14.Enabled);
  EXPECT_TRUE(s.RadioButton1);
}
