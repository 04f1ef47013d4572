#include "common/Integer.h"

#include "common/Errors.h"

#include <charconv>

namespace fw {

std::int32_t toInteger(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  bool negative = false;
  if (first != last && (*first == '+' || *first == '-')) negative = *first++ == '-';
  if (first == last || *first < '0' || *first > '9') throw notAnInteger(text);
  std::int64_t value = 0;
  auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) throw notAnInteger(text);
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) throw notAnInteger(text);
  return static_cast<std::int32_t>(value);
}

} // namespace fw
