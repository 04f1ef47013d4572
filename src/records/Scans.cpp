#include "records/Scans.h"

#include "common/Integer.h"

#include <algorithm>

namespace fw::scan {

bool contains(std::string_view line, std::string_view text) {
  return !text.empty() && line.find(text) != std::string_view::npos;
}

namespace {

// Not find_first_of: it looks each byte up in the set with a call of its own.
bool separator(char c) { return c == ',' || c == ' ' || c == '\t'; }

// firstField(line) == key, without finding the field's end: the lookups ask it of every line.
bool firstFieldIs(std::string_view line, std::string_view key) {
  return line.starts_with(key) && (line.size() == key.size() || separator(line[key.size()])) &&
         std::none_of(key.begin(), key.end(), separator);
}

} // namespace

std::string_view firstField(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && !separator(line[end]))
    ++end;
  return line.substr(0, end);
}

void markerScan(const LineBuffer& lines, std::string_view marker, std::string& field) {
  const auto all = lines.views();
  for (std::size_t i = all.size(); i-- > 0;) {
    if (contains(all[i], marker)) {
      field = std::to_string(i);
      return;
    }
  }
}

namespace {

// Scanning backwards from the bound gives the same line as a forward scan that keeps the last
// hit, and stops at the first one.
void lastContaining(const LineBuffer& lines, std::string_view text, std::int64_t bound, std::string& result) {
  const auto all = lines.views();
  std::int64_t end = std::min<std::int64_t>(bound, static_cast<std::int64_t>(all.size()));
  for (std::int64_t i = end; i-- > 0;) {
    if (contains(all[static_cast<std::size_t>(i)], text)) {
      result = std::to_string(i);
      return;
    }
  }
}

} // namespace

void recordScan(const LineBuffer& lines, std::string_view text, const std::string& markerField,
                std::string& result) {
  lastContaining(lines, text, toInteger(markerField), result);
}

void wholeScan(const LineBuffer& lines, std::string_view text, std::string& result) {
  lastContaining(lines, text, static_cast<std::int64_t>(lines.size()), result);
}

void correctVariant(std::string& result, std::string_view key, std::span<const Offset> table) {
  for (const Offset& o : table)
    if (o.name == key) result = std::to_string(static_cast<std::int64_t>(toInteger(result)) - o.lines);
}

std::int64_t lastRecordOf(const LineBuffer& lines, std::string_view key, std::int64_t bound) {
  if (key.empty()) return -1;
  const auto all = lines.views();
  std::int64_t end = std::min<std::int64_t>(bound, static_cast<std::int64_t>(all.size()));
  for (std::int64_t i = end; i-- > 0;)
    if (firstFieldIs(all[static_cast<std::size_t>(i)], key)) return i;
  return -1;
}

} // namespace fw::scan
