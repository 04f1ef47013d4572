// A text the user hands over (a mod's read-me, saved by Notepad or pasted): read whole only up to
// a size, and decoded from whichever encoding it was saved in.
#pragma once

#include "common/Files.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fw::text {

inline constexpr std::size_t kLargest = std::size_t{16} << 20; // 16 MiB

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1251 };

struct Decoded {
  Encoding encoding;
  std::u16string text;
};

// A byte order mark decides (UTF-8, UTF-16 LE, UTF-16 BE); without one, valid UTF-8 is UTF-8 and
// anything else Windows-1251; the reads below keep it to 16 MiB. Throws Error: EmptyText where nothing but
// blanks and line ends stand; NotText for a NUL character (a picture, an archive) or UTF-16 or UTF-8 that
// breaks its own rules after its byte order mark.
Decoded decode(std::string_view bytes);

// Throws Error: CannotOpen, NotAFile (a folder, a FIFO, a device), TextTooLarge before the file is
// read whole.
std::string readFile(const FilePath& path);
std::string readStandardInput();

// The next code point of well-formed UTF-8 at `at`, which moves past what it read; nothing where
// the bytes are malformed (overlong forms and surrogates too, so that no two byte strings stand
// for one text).
std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& at);
// One code point in UTF-8.
std::string utf8Of(char32_t c);

} // namespace fw::text
