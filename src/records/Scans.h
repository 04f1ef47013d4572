// The scans every lookup is made of. Fields hold numbers as decimal text, as the window keeps them.
#pragma once

#include "common/LineBuffer.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fw::scan {

// Byte-exact, case-sensitive; an empty text is contained in no line.
bool contains(std::string_view line, std::string_view text);

// The line's first field: everything before the first comma, blank or tab.
std::string_view firstField(std::string_view line);

// Sets field to the index of the last line that contains marker; leaves it alone when none does.
void markerScan(const LineBuffer& lines, std::string_view marker, std::string& field);

// Sets result to the index of the last line before the bound (the marker field's number) that
// contains text; leaves it alone when none does. Throws when the marker field is no number.
void recordScan(const LineBuffer& lines, std::string_view text, const std::string& markerField,
                std::string& result);

// The same over every line of the buffer.
void wholeScan(const LineBuffer& lines, std::string_view text, std::string& result);

struct Offset {
  std::string_view name;
  int lines;
};

// Where key names a base vehicle whose variants follow it, steps result back over them.
// Throws when result is no number.
void correctVariant(std::string& result, std::string_view key, std::span<const Offset> table);

// The last index before bound whose line's first field equals key; -1 when there is none.
std::int64_t lastRecordOf(const LineBuffer& lines, std::string_view key, std::int64_t bound);

} // namespace fw::scan
