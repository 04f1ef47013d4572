// Which stock vehicle a name on the command line means, and what to suggest when it means none.
#pragma once

#include "common/MainState.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw::cli {

struct Vehicle {
  Category category;
  std::string text; // the catalogue entry as the window's list holds it
};

// The entry a name means: the one whose text is the name, or the name and a trailing blank
// ("MANANA " and "TAXI2 " carry one that nobody typing the name can see); else the one whose text
// or model name (as vehicles.ide writes it) is the name in any letter case, which no two entries
// share.
std::optional<Vehicle> findVehicle(std::string_view name);

// The category's word on the command line: car, bike, boat, heli.
const char* categoryWord(Category c);

// The entries closest to the name ignoring letter case, as they would be typed, at most three.
std::vector<std::string> nearestNames(std::string_view name);

// The name of a backup as the window builds it: its file kind and vehicle label.
struct BackupName {
  FileKind kind;
  std::string label;
};
std::optional<BackupName> parseBackupName(std::string_view name);

} // namespace fw::cli
