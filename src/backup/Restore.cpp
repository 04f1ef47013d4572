// A restore re-reads the data file, as a write does, so that it never brings back content that
// changed on disk since start-up, and reaches the files under the start directory, as a write does,
// wherever a dialog has moved the current directory since.
#include "backup/Restore.h"

#include "backup/BackupStore.h"
#include "backup/RecordCheck.h"
#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/Integer.h"

namespace fw {

void restoreLine(MainState& s, FileKind k, const Services& services) {
  const KindInfo& info = kindInfo(k);
  DataFileState& f = s.file(k);
  const std::string name = f.backupNames.text;

  backup::requirePlainName(name);
  const LineBuffer backupLines = loadLines(FilePath::under(s.startDirectory, info.backupDir + name));
  const std::int32_t index = toInteger(f.lineIndex);
  backup::requireLookedUp(s, k);
  const GameFolderLock lock(s.startDirectory);
  const FilePath path = FilePath::under(s.startDirectory, info.dataFile);
  f.lines = loadLines(path);
  backup::requireVehicleLine(s, k, index);
  backup::requireOwnBackup(s, k, backupLines.at(0));

  f.lines.erase(static_cast<std::size_t>(index));
  f.lines.insert(static_cast<std::size_t>(index), std::string(backupLines.at(0)));
  saveLines(path, f.lines);
  s.log.append(cp1251::fromUtf8("Резервная копия ") + name + cp1251::fromUtf8(" восстановлена..."));
  services.reloadViewer(k, f.lines); // what the file now holds, as after a write
}

} // namespace fw
