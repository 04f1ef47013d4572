// The main window's whole working state as plain data: what its controls show and the hidden
// fields the handlers talk through. The window renders this struct and nothing else holds state.
// All text is Windows-1251 bytes.
#pragma once

#include "common/LineBuffer.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

enum class Category { Car, Bike, Boat, Helicopter };
enum class FileKind { Handling, Vehicles, Carcols };

constexpr std::array<Category, 4> kCategories = {Category::Car, Category::Bike, Category::Boat,
                                                 Category::Helicopter};
constexpr std::array<FileKind, 3> kFileKinds = {FileKind::Handling, FileKind::Vehicles, FileKind::Carcols};

inline std::size_t indexOf(Category c) { return static_cast<std::size_t>(c); }
inline std::size_t indexOf(FileKind k) { return static_cast<std::size_t>(k); }

// A name as a data file's line writes it: an entry of the vehicle lists may end in blanks
// ("MANANA "), which a line's first field never holds.
inline std::string withoutTrailingBlanks(std::string_view text) {
  return std::string(text.substr(0, text.find_last_not_of(' ') + 1));
}

// A drop-down list with editable text.
struct ComboState {
  std::vector<std::string> items;
  std::string text;
  bool visible = true;
};

struct ButtonState {
  bool enabled = true;
  bool visible = true;
};

struct InputState {
  std::string text;
  bool enabled = false;
};

// What the last lookup established for one data file: whether the line at the file's line index
// belongs to the vehicle, and the first field it was matched by.
struct RecordMatch {
  bool found = false;
  std::string key;
};

// Everything the window keeps for one data file: its lines, the looked-up vehicle's line, the
// input row that writes it and the restore page that lists its backups.
struct DataFileState {
  LineBuffer lines;
  std::string lineIndex; // decimal text, as the lookup left it
  RecordMatch record;
  InputState input;
  ButtonState writeButton{false};
  std::string hint;
  ComboState backupNames; // newest first; its text names the backup to restore
  ButtonState restoreButton;
  LineBuffer datedList{""}; // the backups with their times, as the user may have edited it
  // The dated list as it last agreed with its file: as this program last read or wrote it, or the
  // list's first content while there was no file.
  LineBuffer datedListOnDisk{""};
};

struct MainState {
  MainState();

  // The selection: a category and, per category, a vehicle list and its lookup button.
  Category category = Category::Car;
  std::array<ComboState, 4> vehicleLists;
  std::array<ButtonState, 4> lookupButtons;

  LineBuffer log{""};
  std::string vehicleLabel;  // the text of the vehicle list at the last lookup, shown in red
  std::string carcolsRemark; // a red label in the carcols row; only ever cleared
  int restorePage = 0;       // the restore page shown: a FileKind's index
  std::array<DataFileState, 3> files;

  // Hidden working fields. The section bounds and the model name start with texts that are no
  // numbers or names, as the window's design has them.
  std::string startDirectory;
  std::string handlingBound = "Edit13", vehiclesBound = "Edit11", carcolsBound = "Edit12";
  std::string modelName = "Edit7";
  std::string ideSearchText = "Edit8"; // boats and helicopters: how their vehicles.ide line starts
  std::string backupCount = "0";       // the name list's length when the last backup was numbered
  LineBuffer settingsLines{"Memo10"};
  std::string archiveEditorPath, gamePath;
  std::string lookedUpLabel; // the vehicle label the file's records were found for

  DataFileState& file(FileKind k) { return files[indexOf(k)]; }
  const DataFileState& file(FileKind k) const { return files[indexOf(k)]; }
  ComboState& vehicleList(Category c) { return vehicleLists[indexOf(c)]; }
};

} // namespace fw
