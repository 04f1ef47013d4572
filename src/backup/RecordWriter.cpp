// The order of the steps is what keeps the user's data safe: the file is re-read, the old line is
// backed up and recorded in both lists, and only then is the data file replaced.
#include "backup/RecordWriter.h"

#include "backup/BackupStore.h"
#include "backup/RecordCheck.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/Integer.h"

namespace fw {
namespace {

std::string newLine(const MainState& s, FileKind k, const std::string& text) {
  switch (k) {
  case FileKind::Vehicles: return s.Edit7 + ", " + s.Edit7 + ", " + text;
  case FileKind::Carcols: return s.Edit7 + ", " + text;
  case FileKind::Handling: break;
  }
  return s.Label1 + " " + text;
}

} // namespace

void writeRecord(MainState& s, FileKind k, const Services& services) {
  const KindInfo& info = kindInfo(k);
  KindFields f = fieldsOf(s, k);
  const FilePath path = FilePath::under(s.Buffer, info.dataFile);

  f.lines = loadLines(path);
  int number = backup::nextNumber(s, k);
  const std::int32_t index = toInteger(f.index);
  backup::requireLookedUp(s, k);
  backup::requireVehicleLine(s, k, index);
  const std::string label = s.Label1;
  backup::requirePlainLabel(label);

  const std::string replacement = newLine(s, k, f.input.Text);
  if (replacement.find_first_of("\r\n") != std::string::npos)
    throw Error(cp1251::fromUtf8("Строка не может содержать перевод строки, ничего не записано"));

  number = backup::writeBackupFile(s, k, label, number, std::string(f.lines.at(index)));
  s.Memo4.append(cp1251::fromUtf8("Резервная копия ") + backup::backupName(k, label, number) +
                 cp1251::fromUtf8(" создана..."));
  backup::recordInLists(s, k, label, number, services.timestamp());

  f.lines.erase(static_cast<std::size_t>(index));
  f.lines.insert(static_cast<std::size_t>(index), replacement);
  saveLines(path, f.lines);
  s.Memo4.append(std::string(info.fileName) + cp1251::fromUtf8(" записан..."));
  // The file now holds exactly these lines: no line holds a line break, so reading it back
  // would give them again.
  services.reloadViewer(k, f.lines);
  f.input.Text.clear();
}

} // namespace fw
