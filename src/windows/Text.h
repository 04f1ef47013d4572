// Where Windows-1251 bytes meet Qt's text: the only conversion between the two.
#pragma once

#include "common/Errors.h"
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
// An error's text: its words are Windows-1251, its path UTF-8.
QString errorText(const Error& error);
// For texts that come from the program itself or from bytes it showed: representable by design.
std::string bytesOf(const QString& text);

// A multi-line field shows a line buffer as its lines joined by line feeds.
QString joinLines(const LineBuffer& lines);
LineBuffer splitLines(const QString& text);

} // namespace fw
