// Windows-1251, the code page of the game's files and of the program's own texts.
// Every byte round-trips: the one unassigned byte, 0x98, maps to U+0098.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw::cp1251 {

std::u16string decode(std::string_view bytes);
// Nothing when a character has no Windows-1251 byte (never a silent "?").
std::optional<std::string> encode(std::u16string_view text);
// The text with each character Windows-1251 lacks as '?', and each of those characters noted with the
// offset of its '?' in the bytes, in order, so that a reader can name them.
struct Marked {
  std::string bytes;
  std::vector<std::pair<std::size_t, char32_t>> lacking;
};
Marked encodeMarked(std::u16string_view text);

// UTF-8 text as Windows-1251 bytes; nothing when it is no well-formed UTF-8 or holds a character
// that Windows-1251 lacks.
std::optional<std::string> fromUtf8Text(std::string_view utf8);
// The program's own texts are written in UTF-8 in the source; this gives their bytes.
// Only for literals that are known to be representable.
std::string fromUtf8(std::string_view utf8);
// Also what the operating system is given (a command line, a file name): the platform layer takes
// UTF-8 on every system.
std::string toUtf8(std::string_view bytes);

} // namespace fw::cp1251
