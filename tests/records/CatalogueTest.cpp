#include "records/Catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace cat = fw::catalogue;
using fw::Category;

TEST(Catalogue, categoriesHoldTheirEntriesInOrder) {
  EXPECT_EQ(cat::entries(Category::Car).size(), 102u);
  EXPECT_EQ(cat::entries(Category::Bike).size(), 7u);
  EXPECT_EQ(cat::entries(Category::Boat).size(), 8u);
  EXPECT_EQ(cat::entries(Category::Helicopter).size(), 4u);
  EXPECT_EQ(cat::entryTexts(Category::Car).front(), "ADMIRAL");
  EXPECT_EQ(cat::entryTexts(Category::Car).back(), "YANKEE");
  EXPECT_EQ(cat::entryTexts(Category::Bike).front(), "BOBBER");
  EXPECT_EQ(cat::entryTexts(Category::Boat).front(), "DINGHY");
  EXPECT_EQ(cat::entryTexts(Category::Helicopter).front(), "ANNHIL");
  for (Category c : fw::kCategories) {
    std::set<std::string_view> unique;
    for (const auto& e : cat::entries(c))
      EXPECT_TRUE(unique.insert(e.text).second) << e.text;
  }
}

struct ModelCase {
  Category category;
  const char* text;
  const char* model; // nullptr: none
};

TEST(Catalogue, modelNamesByWholeExactText) {
  const ModelCase cases[] = {
      {Category::Car, "MANANA ", "manana"},
      {Category::Car, "MANANA", nullptr},
      {Category::Car, "TAXI2 ", "taxi2"},
      {Category::Car, "TAXI2", nullptr},
      {Category::Car, "admiral", nullptr},
      {Category::Car, "ADMIRAL", "admiral"},
      {Category::Car, "ROMAN", "rom"},
      {Category::Car, "STALLION", "stalion"},
      {Category::Car, "CAVCADE", "cavalcade"},
      {Category::Car, "COGNOS", "cognoscenti"},
      {Category::Car, "ESPERANT", "esperanto"},
      {Category::Car, "LANSTALK", "landstalker"},
      {Category::Car, "POLPAT", "polpatriot"},
      {Category::Car, "CONTENDER", nullptr},
      {Category::Car, "DILETT", nullptr},
      {Category::Car, "#SWAT", nullptr},
      {Category::Car, "", nullptr},
      {Category::Bike, "ZOMBIE", "zombieb"},
      {Category::Bike, "ADMIRAL", nullptr},
      {Category::Boat, "TUG", "tuga"},
      {Category::Helicopter, "ANNHIL", "annihilator"},
      {Category::Helicopter, "TUG", nullptr},
  };
  for (const auto& c : cases) {
    auto model = cat::modelName(c.category, c.text);
    if (c.model)
      EXPECT_EQ(model, std::string(c.model)) << c.text;
    else
      EXPECT_FALSE(model) << c.text;
  }
}

TEST(Catalogue, everyOtherCarsModelIsItsLowerCaseText) {
  const std::set<std::string_view> renamed = {"CAVCADE", "COGNOS",    "ESPERANT", "LANSTALK",
                                              "MANANA ", "POLPAT",    "ROMAN",    "STALLION",
                                              "TAXI2 ",  "CONTENDER", "DILETT",   "#SWAT"};
  int withModel = 0;
  for (const auto& e : cat::entries(Category::Car)) {
    if (!e.model.empty()) ++withModel;
    if (renamed.count(e.text)) continue;
    std::string lower(e.text);
    for (char& ch : lower)
      ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(e.model, lower);
  }
  EXPECT_EQ(withModel, 99);
}

TEST(Catalogue, handlingOnlyEntries) {
  for (const char* text : {"CONTENDER", "DILETT", "#SWAT"})
    EXPECT_TRUE(cat::handlingOnly(Category::Car, text));
  for (const char* text : {"ADMIRAL", "SWAT", "contender", ""})
    EXPECT_FALSE(cat::handlingOnly(Category::Car, text));
}

TEST(Catalogue, vehiclesIdeSearchTextsOfBoatsAndHelicopters) {
  EXPECT_EQ(cat::ideSearchText(Category::Boat, "DINGHY"), "dinghy,\t\tdinghy,");
  EXPECT_EQ(cat::ideSearchText(Category::Boat, "MARQUIS"), "marquis,\tmarquis,");
  EXPECT_EQ(cat::ideSearchText(Category::Boat, "TUG"), "tuga,\t\ttuga,");
  EXPECT_EQ(cat::ideSearchText(Category::Helicopter, "POLMAV"), "polmav,\t\tpolmav,");
  EXPECT_FALSE(cat::ideSearchText(Category::Car, "ADMIRAL"));
  for (Category c : {Category::Boat, Category::Helicopter})
    for (const auto& e : cat::entries(c)) {
      std::string m(e.model);
      EXPECT_TRUE(e.ideSearch == m + ",\t" + m + "," || e.ideSearch == m + ",\t\t" + m + ",") << e.text;
    }
}
