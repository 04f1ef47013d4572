#include "common/TextDecoding.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "platform/LimitedRead.h"

#include <utility>

namespace fw::text {
namespace {

Error notText() {
  return Error(Reason::NotText, cp1251::fromUtf8("Это не текст (картинка или архив?), он не прочитан"), "",
               "");
}

Error tooLarge(const std::string& path) {
  return Error(Reason::TextTooLarge, cp1251::fromUtf8("Текст больше 16 МБ, он не прочитан: "), path, "");
}

void appendCodePoint(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
  }
}

std::optional<std::u16string> fromUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size();) {
    const auto c = nextUtf8(bytes, at);
    if (!c) return std::nullopt;
    appendCodePoint(out, *c);
  }
  return out;
}

// Surrogates must come in pairs, high then low.
std::optional<std::u16string> fromUtf16(std::string_view bytes, bool bigEndian) {
  if (bytes.size() % 2) return std::nullopt;
  std::u16string out(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto first = static_cast<unsigned char>(bytes[2 * i]),
               second = static_cast<unsigned char>(bytes[2 * i + 1]);
    out[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  for (std::size_t i = 0; i < out.size(); ++i) {
    const bool high = out[i] >= 0xD800 && out[i] < 0xDC00, low = out[i] >= 0xDC00 && out[i] < 0xE000;
    if (low || (high && (i + 1 == out.size() || out[i + 1] < 0xDC00 || out[i + 1] >= 0xE000)))
      return std::nullopt;
    i += high;
  }
  return out;
}

std::string readOrRefuse(platform::LimitedBytes read, const FilePath& path) {
  switch (read.status) {
  case platform::LimitedStatus::Read: return std::move(read.bytes);
  case platform::LimitedStatus::CannotOpen: throw cannotOpen(path.text);
  case platform::LimitedStatus::NotAFile:
    throw Error(Reason::NotAFile, cp1251::fromUtf8("Это не файл: "), path.text, "");
  case platform::LimitedStatus::TooLarge: break;
  }
  throw tooLarge(path.text);
}

} // namespace

Decoded decode(std::string_view bytes) {
  std::optional<std::u16string> text;
  Encoding encoding = Encoding::Utf8;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    text = fromUtf8(bytes.substr(3));
  } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    encoding = bytes[0] == '\xFF' ? Encoding::Utf16LittleEndian : Encoding::Utf16BigEndian;
    text = fromUtf16(bytes.substr(2), encoding == Encoding::Utf16BigEndian);
  } else if (!(text = fromUtf8(bytes))) {
    encoding = Encoding::Windows1251;
    text = cp1251::decode(bytes);
  }
  if (!text || text->find(u'\0') != std::u16string::npos) throw notText();
  if (text->find_first_not_of(u" \t\r\n") == std::u16string::npos)
    throw Error(Reason::EmptyText, cp1251::fromUtf8("Текст пуст"), "", "");
  return {encoding, std::move(*text)};
}

std::string readFile(const FilePath& path) {
  return readOrRefuse(platform::readAtMost(path.native, kLargest), path);
}

std::string readStandardInput() {
  return readOrRefuse(platform::readStandardInputAtMost(kLargest), FilePath::chosenByUser("-"));
}

std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xF5 ? -1 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
  if (extra < 0 || at + static_cast<std::size_t>(extra) > text.size()) return std::nullopt;
  char32_t c = lead & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    const auto next = static_cast<unsigned char>(text[at++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  return c;
}

std::string utf8Of(char32_t c) {
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  static constexpr unsigned kLead[] = {0, 0xC0, 0xE0, 0xF0};
  const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  std::string out(1, static_cast<char>(kLead[extra] | (c >> (6 * extra))));
  for (int i = extra; i-- > 0;)
    out.push_back(static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F)));
  return out;
}

} // namespace fw::text
