// Where Windows-1251 bytes meet Qt's text: the only conversion between the two.
#pragma once

#include "common/LineBuffer.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

namespace fw {

QString toQString(std::string_view bytes);
// Nothing when the text holds a character that Windows-1251 cannot represent.
std::optional<std::string> fromQString(const QString& text);
// An error message: Windows-1251 bytes, except that on POSIX a path the system gave us (the start
// directory, a chosen file) is in its own encoding, UTF-8 nearly everywhere. Windows-1251 text
// almost never forms valid UTF-8, so valid UTF-8 with 8-bit bytes is read as such.
QString messageText(std::string_view bytes);
// For texts that come from the program itself or from bytes it showed: representable by design.
std::string bytesOf(const QString& text);

// A multi-line field shows a line buffer as its lines joined by line feeds.
QString joinLines(const LineBuffer& lines);
LineBuffer splitLines(const QString& text);

} // namespace fw
