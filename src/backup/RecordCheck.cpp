#include "backup/RecordCheck.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "records/Scans.h"

namespace fw::backup {

void requireLookedUp(const MainState& s, FileKind k) {
  const RecordMatch& r = s.Records[indexOf(k)];
  if (!r.Found || s.Label1 != s.LookupLabel || s.Label1.empty())
    throw Error(cp1251::fromUtf8("Строка машины в ") + kindInfo(k).fileName +
                cp1251::fromUtf8(" не найдена. Выберите машину и нажмите \"ОК\""));
}

void requireVehicleLine(MainState& s, FileKind k, std::int64_t index) {
  KindFields f = fieldsOf(s, k);
  if (scan::firstField(f.lines.at(index)) != f.record.Key)
    throw Error(std::string(kindInfo(k).fileName) +
                cp1251::fromUtf8(" изменился на диске, ничего не записано. Найдите машину заново"));
}

void requireOwnBackup(const MainState& s, FileKind k, std::string_view line) {
  const RecordMatch& r = s.Records[indexOf(k)];
  if (scan::firstField(line) != r.Key)
    throw Error(cp1251::fromUtf8("Эта резервная копия не для ") + s.Label1 +
                cp1251::fromUtf8(", ничего не изменено"));
}

} // namespace fw::backup
