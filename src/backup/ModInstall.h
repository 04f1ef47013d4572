// A mod's lines from its text, planned as the rows' OK buttons would write them: the step between
// reading the text (form/ModText.h) and the write of several files (backup/WriteAll.h).
#pragma once

#include "backup/WriteAll.h"
#include "form/ModText.h"

#include <cstdint>
#include <vector>

namespace fw {

// A line to be written holds a character that Windows-1251 lacks: it is never written as '?'.
class LacksCharacter : public Error {
public:
  LacksCharacter(FileKind file, std::int64_t line, char32_t character);
  FileKind file;
  std::int64_t line; // in the text
  char32_t character;
};

// "U+2713".
std::string codePointName(char32_t c);

// The write of each file that has a taken line, as planTyped makes it for the line's values. Throws
// LacksCharacter before anything is planned.
std::vector<PlannedWrite> planInstall(const MainState& s, const form::ModReading& r,
                                      const form::ModValues& v);

} // namespace fw
