// What the player, another tool or a hand edit changed against the stock files: every stock
// vehicle's lines, found by the program's own lookups in the game's files and in the stock copies,
// compared value by value. Separators and the line end do not count; every value, names included,
// does.
#pragma once

#include "common/LineBuffer.h"
#include "common/MainState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw::stock {

// Where a value stands in its line; nowhere when the line has no such value.
struct Span {
  std::size_t at = std::string_view::npos, size = 0;
  bool present() const { return at != std::string_view::npos; }
  bool operator==(const Span&) const = default;
};

struct FieldChange {
  std::size_t position; // from 0, the line's first value
  std::string name;     // what the stock copy calls it ("B mass", "handling"); empty where it names none
  Span stock, current;
};

enum class LineState { Changed, Missing };

struct LineChange {
  FileKind kind = FileKind::Handling;
  LineState state = LineState::Changed;
  std::int64_t index = -1;         // the line in the game's file; -1 when it is missing
  std::string current, stock;      // the lines, Windows-1251; no current line when it is missing
  std::vector<FieldChange> fields; // the values that differ, in the line's order
  // Missing: the lookup found no line because this file lacks this marker line; null when the file
  // simply has no line for the vehicle.
  const char* marker = nullptr;
  FileKind markerFile = FileKind::Handling;
  // A handling line this vehicle's model uses although it is another vehicle's (named here);
  // empty for the vehicle's own line.
  std::string lineOf;
  // The vehicle's own handling line: the other vehicles whose models use it too.
  std::vector<std::string> sharedWith;
};

struct VehicleChanges {
  Category category;
  std::string label; // the catalogue entry
  std::vector<LineChange> lines;
};

// Every catalogue vehicle with a line that differs from its stock line, in the lists' order.
std::vector<VehicleChanges> changesAgainstStock(const std::array<LineBuffer, 3>& files);

// The other catalogue vehicles whose models use the vehicle's handling line: the vehicles.ide line
// their lookup finds names its identifier in the handling column.
std::vector<std::string> sharingHandlingLine(const std::array<LineBuffer, 3>& files,
                                             const std::string& label);

// The own lines of the vehicle in the category's list, as the last lookup in s found them, against
// its stock lines: one per file that differs.
std::vector<LineChange> changesOf(const MainState& s, Category c);

// Whether the stock copies have a line the program writes for the vehicle in the file.
bool stockHasLine(Category c, const std::string& label, FileKind k);

std::string_view valueAt(std::string_view line, Span span);

} // namespace fw::stock
