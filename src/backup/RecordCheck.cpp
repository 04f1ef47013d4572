#include "backup/RecordCheck.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "records/Scans.h"

namespace fw::backup {

void requireLookedUp(const MainState& s, FileKind k) {
  const RecordMatch& r = s.file(k).record;
  if (!r.found || s.vehicleLabel != s.lookedUpLabel || s.vehicleLabel.empty())
    throw Error(Reason::NotLookedUp,
                cp1251::fromUtf8("Строка машины в ") + kindInfo(k).fileName +
                    cp1251::fromUtf8(" не найдена. Выберите машину и нажмите \"ОК\""),
                "", "", kindInfo(k).fileName);
}

void requireVehicleLine(const MainState& s, FileKind k, std::int64_t index) {
  const DataFileState& f = s.file(k);
  if (scan::firstField(f.lines.at(index)) != f.record.key)
    throw Error(Reason::ChangedOnDisk,
                std::string(kindInfo(k).fileName) +
                    cp1251::fromUtf8(" изменился на диске, ничего не записано. Найдите машину заново"),
                "", "", kindInfo(k).fileName);
}

void requireOwnBackup(const MainState& s, FileKind k, std::string_view line) {
  if (scan::firstField(line) != s.file(k).record.key)
    throw Error(Reason::NotOwnBackup,
                cp1251::fromUtf8("Эта резервная копия не для ") + s.vehicleLabel +
                    cp1251::fromUtf8(", ничего не изменено"),
                "", "", s.vehicleLabel);
}

} // namespace fw::backup
