// The main window's whole working state as plain data. Members carry the names of the controls
// they stand for; the window renders this struct and nothing else holds state.
// All text is Windows-1251 bytes.
#pragma once

#include "common/LineBuffer.h"

#include <array>
#include <string>
#include <vector>

namespace fw {

enum class Category { Car, Bike, Boat, Helicopter };
enum class FileKind { Handling, Vehicles, Carcols };

constexpr std::array<Category, 4> kCategories = {Category::Car, Category::Bike, Category::Boat,
                                                 Category::Helicopter};
constexpr std::array<FileKind, 3> kFileKinds = {FileKind::Handling, FileKind::Vehicles, FileKind::Carcols};

inline std::size_t indexOf(Category c) { return static_cast<std::size_t>(c); }
inline std::size_t indexOf(FileKind k) { return static_cast<std::size_t>(k); }

// A drop-down list with editable text.
struct ComboState {
  std::vector<std::string> Items;
  std::string Text;
  bool Visible = true;
};

struct ButtonState {
  bool Enabled = true;
  bool Visible = true;
};

struct InputState {
  std::string Text;
  bool Enabled = false;
};

// What the last lookup established for one data file: whether the line at the file's index
// field belongs to the vehicle, and the first field it was matched by.
struct RecordMatch {
  bool Found = false;
  std::string Key;
};

struct MainState {
  MainState();

  // Selection group "Что заменить? ".
  bool RadioButton1 = true, RadioButton2 = false, RadioButton3 = false, RadioButton4 = false;
  ComboState ComboBox1, ComboBox2, ComboBox3, ComboBox4;
  ButtonState Button1, Button2, Button3, Button4;

  LineBuffer Memo4{""}; // the log

  std::string Label1, Label2, Label3, Label4, Label5;
  InputState Edit2, Edit3, Edit4;
  ButtonState Button5{false}, Button6{false}, Button7{false};

  // Restore pages.
  int PageControl1 = 0;
  ComboState ComboBox5, ComboBox6, ComboBox7;
  ButtonState Button12, Button13, Button14;
  LineBuffer Memo6{""}, Memo7{""}, Memo8{""};

  // Working fields.
  std::string Buffer;
  LineBuffer Memo1, Memo2, Memo3;
  std::string Edit13 = "Edit13", Edit11 = "Edit11", Edit12 = "Edit12";
  std::string Edit1 = "Edit1", Edit5 = "Edit5", Edit6 = "admiral,";
  std::string Edit7 = "Edit7", Edit8 = "Edit8";
  std::string Hb = "0";
  LineBuffer Memo5{"Memo5"}, Memo9{"Memo9"}, Memo10{"Memo10"};
  std::string Edit14, Edit15;

  // The vehicle label the last lookup set, and per file what it found for that vehicle.
  std::string LookupLabel;
  std::array<RecordMatch, 3> Records;

  bool checked(Category c) const;
  void check(Category c);
  ComboState& vehicleList(Category c);
  ButtonState& lookupButton(Category c);
};

// The per-file-kind fields of the main window, gathered so that one routine serves all three.
struct KindFields {
  InputState& input;
  ButtonState& writeButton;
  LineBuffer& lines;  // Memo1..Memo3
  std::string& index; // Edit1, Edit5, Edit6
  ComboState& names;  // ComboBox5..ComboBox7
  LineBuffer& dated;  // Memo6..Memo8
  ButtonState& restoreButton;
  RecordMatch& record;
};

KindFields fieldsOf(MainState& s, FileKind k);

} // namespace fw
