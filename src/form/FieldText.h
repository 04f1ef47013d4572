// How the data files write their fields: a line split into its fields, and the numbers in them.
// Inline: the check of a million-line file runs through here for every field.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fw::form {

inline bool blank(char c) { return c == ' ' || c == '\t'; }

inline std::string_view trimmed(std::string_view s) {
  while (!s.empty() && blank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && blank(s.back()))
    s.remove_suffix(1);
  return s;
}

// The fields of a line's content one by one: the runs of non-blanks in handling.dat, the texts
// between commas, without the blanks around them, in the others.
class Fields {
public:
  Fields(std::string_view text, bool blanks) : at_(text.data()), end_(at_ + text.size()), blanks_(blanks) {
    done_ = text.empty();
  }
  bool next(std::string_view& field) {
    if (done_) return false;
    // Locals, not members, in the loops: a member could be any byte read, and would be reloaded.
    const char *at = at_, *const end = end_;
    if (blanks_) {
      while (at != end && blank(*at))
        ++at;
      if (at == end) return done_ = true, false;
      const char* start = at;
      while (at != end && !blank(*at))
        ++at;
      at_ = at;
      field = {start, static_cast<std::size_t>(at - start)};
      return true;
    }
    const char* start = at;
    while (at != end && *at != ',')
      ++at;
    field = trimmed({start, static_cast<std::size_t>(at - start)});
    done_ = at == end;
    at_ = done_ ? at : at + 1;
    return true;
  }

private:
  const char *at_, *end_;
  bool blanks_, done_;
};

inline std::size_t fieldCount(std::string_view text, bool blanks) {
  Fields fields(text, blanks);
  std::size_t n = 0;
  for (std::string_view f; fields.next(f);)
    ++n;
  return n;
}

inline std::string_view firstField(std::string_view text, bool blanks) {
  std::string_view f;
  Fields(text, blanks).next(f);
  return f;
}

// The numbers as the files write them ("1.0", "-0.12", "155000", also "1." and ".5"): an optional
// sign, digits and an optional fraction; no exponent. Nothing for anything else, nor for a number of
// so many digits that no double holds it (past the largest, or so small it would read as 0): that
// one is `unreadable`.
[[gnu::always_inline]] inline std::optional<double> decimal(std::string_view s, bool* unreadable = nullptr) {
  const char *p = s.data(), *const end = p + s.size();
  const bool negative = p != end && *p == '-';
  if (p != end && (*p == '-' || *p == '+')) ++p;
  std::uint64_t mantissa = 0;
  const char* const whole = p;
  unsigned digit = 0;
  for (; p != end && (digit = static_cast<unsigned char>(*p) - 48u) < 10; ++p)
    mantissa = mantissa * 10 + digit;
  const char* point = p;
  if (p != end && *p == '.')
    for (++p; p != end && (digit = static_cast<unsigned char>(*p) - 48u) < 10; ++p)
      mantissa = mantissa * 10 + digit;
  const auto fraction = static_cast<std::size_t>(p == point ? 0 : p - point - 1);
  const auto digits = static_cast<std::size_t>(point - whole) + fraction;
  if (p != end || digits == 0) return std::nullopt;
  double value = 0;
  if (digits <= 15) { // exact: one correctly rounded division
    static constexpr double kTens[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    value = static_cast<double>(mantissa) / kTens[fraction];
  } else if (std::from_chars(whole, end, value).ec != std::errc()) {
    if (unreadable) *unreadable = true;
    return std::nullopt;
  }
  return negative ? -value : value;
}

inline bool isWhole(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

inline bool isUpperCase(std::string_view s) {
  // Windows-1251's small letters are the ASCII ones, 0xE0 to 0xFF and a few between 0x83 and 0xBF.
  constexpr std::string_view kSmall = "\x83\x9A\x9C\x9D\x9E\x9F\xA2\xB3\xB4\xB8\xBA\xBC\xBE\xBF";
  return std::none_of(s.begin(), s.end(), [&](char c) {
    return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0xE0 || kSmall.find(c) != kSmall.npos;
  });
}

inline bool isHexadecimal(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
}

inline bool sameIgnoringCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace fw::form
