#include "common/Cp1251.h"

#include "common/TextDecoding.h"

#include <array>
#include <stdexcept>

namespace fw::cp1251 {
namespace {

constexpr std::array<char16_t, 64> kHigh80 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char16_t toUnicode(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return static_cast<char16_t>(0x0410 + (b - 0xC0));
  return kHigh80[b - 0x80];
}

std::optional<unsigned char> toByte(char16_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  if (c >= 0x0410 && c <= 0x044F) return static_cast<unsigned char>(0xC0 + (c - 0x0410));
  for (std::size_t i = 0; i < kHigh80.size(); ++i)
    if (kHigh80[i] == c) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

} // namespace

std::u16string decode(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char b : bytes)
    out.push_back(toUnicode(static_cast<unsigned char>(b)));
  return out;
}

std::optional<std::string> encode(std::u16string_view text) {
  Marked m = encodeMarked(text);
  if (!m.lacking.empty()) return std::nullopt;
  return std::move(m.bytes);
}

Marked encodeMarked(std::u16string_view text) {
  Marked out;
  out.bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (auto b = toByte(text[i])) {
      out.bytes.push_back(static_cast<char>(*b));
      continue;
    }
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    out.lacking.emplace_back(out.bytes.size(), c);
    out.bytes.push_back('?');
  }
  return out;
}

std::optional<std::string> fromUtf8Text(std::string_view utf8) {
  std::u16string wide;
  for (std::size_t at = 0; at < utf8.size();) {
    const auto c = text::nextUtf8(utf8, at);
    if (!c || *c > 0xFFFF) return std::nullopt; // beyond the BMP nothing is in Windows-1251
    wide.push_back(static_cast<char16_t>(*c));
  }
  return encode(wide);
}

std::string fromUtf8(std::string_view utf8) {
  if (auto bytes = fromUtf8Text(utf8)) return *bytes;
  throw std::invalid_argument("text outside Windows-1251");
}

std::string toUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char16_t c : decode(bytes))
    out += text::utf8Of(c);
  return out;
}

} // namespace fw::cp1251
