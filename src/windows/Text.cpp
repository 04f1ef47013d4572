#include "windows/Text.h"

#include "common/Cp1251.h"

#include <stdexcept>

namespace fw {

QString toQString(std::string_view bytes) {
  std::u16string wide = cp1251::decode(bytes);
  return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

QString errorText(const Error& error) {
  return toQString(error.before()) + QString::fromUtf8(error.path()) + toQString(error.after());
}

std::optional<std::string> fromQString(const QString& text) {
  return cp1251::encode(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                            static_cast<std::size_t>(text.size())));
}

std::string bytesOf(const QString& text) {
  auto bytes = fromQString(text);
  if (!bytes) throw std::invalid_argument("text outside Windows-1251");
  return *bytes;
}

QString joinLines(const LineBuffer& lines) {
  QString out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += QLatin1Char('\n');
    out += toQString(lines.views()[i]);
  }
  return out;
}

LineBuffer splitLines(const QString& text) {
  LineBuffer out;
  for (const QString& line : text.split(QLatin1Char('\n')))
    out.append(bytesOf(line));
  return out;
}

} // namespace fw
