#include "backup/ModInstall.h"

#include "common/Cp1251.h"

#include <cstdio>

namespace fw {

std::string codePointName(char32_t c) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
  return name;
}

LacksCharacter::LacksCharacter(FileKind file, std::int64_t line, char32_t character)
    : Error(Reason::NotInCodePage,
            cp1251::fromUtf8("В строке ") + std::to_string(line) + cp1251::fromUtf8(" текста символ ") +
                codePointName(character) +
                cp1251::fromUtf8(", которого нет в кодировке Windows-1251, ничего не записано"),
            "", "", codePointName(character)),
      file(file), line(line), character(character) {}

std::vector<PlannedWrite> planInstall(const MainState& s, const form::ModReading& r,
                                      const form::ModValues& v) {
  for (FileKind k : kFileKinds) {
    const form::ModFile& f = r[indexOf(k)];
    if (f.taken && !f.lines[*f.taken].lacking.empty())
      throw LacksCharacter(k, f.lines[*f.taken].line, f.lines[*f.taken].lacking.front());
  }
  std::vector<PlannedWrite> plans;
  for (FileKind k : kFileKinds)
    if (const auto& values = v.values[indexOf(k)]) plans.push_back(planTyped(s, k, *values));
  return plans;
}

} // namespace fw
