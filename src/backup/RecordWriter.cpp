// The order of the steps is what keeps the user's data safe: the file is re-read, the old line is
// backed up and recorded in both lists, and only then is the data file replaced; all of it under the
// game folder's lock, with the lists as they are on disk, so that other copies of the program lose
// nothing of theirs.
#include "backup/RecordWriter.h"

#include "backup/BackupStore.h"
#include "backup/RecordCheck.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/Integer.h"

namespace fw {

std::string replacementLine(const MainState& s, FileKind k, const std::string& text) {
  switch (k) {
  case FileKind::Vehicles: return s.modelName + ", " + s.modelName + ", " + text;
  case FileKind::Carcols: return s.modelName + ", " + text;
  case FileKind::Handling: break;
  }
  return s.vehicleLabel + " " + text;
}

form::Verdict checkTyped(const MainState& s, FileKind k, const std::string& text) {
  const DataFileState& f = s.file(k);
  if (!f.record.found) return {};
  const std::string line = replacementLine(s, k, text);
  const std::string name = withoutTrailingBlanks(k == FileKind::Handling ? s.vehicleLabel : s.modelName);
  const std::size_t ownFields = k == FileKind::Vehicles ? 2 : 1;
  return form::checkReplacement(
      s, k, toInteger(f.lineIndex),
      {line, std::string_view(line).substr(line.size() - text.size()), ownFields, name});
}

void requireOneLine(const std::string& text) {
  if (text.find_first_of("\r\n") != std::string::npos)
    throw Error(Reason::LineBreak,
                cp1251::fromUtf8("Строка не может содержать перевод строки, ничего не записано"), "", "");
}

void writeLine(MainState& s, FileKind k, const Services& services) {
  const GameFolderLock lock(s.startDirectory);
  DataFileState& f = s.file(k);
  replaceLineHoldingLock(s, k, replacementLine(s, k, f.input.text), services);
  f.input.text.clear();
}

void requireWritable(MainState& s, FileKind k) {
  backup::requireWritableStore(s, k, s.vehicleLabel);
  if (const FilePath path = FilePath::under(s.startDirectory, kindInfo(k).dataFile); !replaceable(path))
    throw refusedWrite(path);
}

std::string replaceLineHoldingLock(MainState& s, FileKind k, const std::string& line,
                                   const Services& services) {
  const KindInfo& info = kindInfo(k);
  DataFileState& f = s.file(k);
  const FilePath path = FilePath::under(s.startDirectory, info.dataFile);

  f.lines = loadLines(path);
  backup::reloadLists(s, k);
  int number = backup::nextNumber(s, k);
  const std::int32_t index = toInteger(f.lineIndex);
  backup::requireLookedUp(s, k);
  backup::requireVehicleLine(s, k, index);
  const std::string label = s.vehicleLabel;
  backup::requirePlainLabel(label);

  requireOneLine(line);

  number = backup::writeBackupFile(s, k, label, number, std::string(f.lines.at(index)));
  const std::string name = backup::backupName(k, label, number);
  s.log.append(cp1251::fromUtf8("Резервная копия ") + name + cp1251::fromUtf8(" создана..."));
  backup::recordInLists(s, k, label, number, services.timestamp());

  f.lines.erase(static_cast<std::size_t>(index));
  f.lines.insert(static_cast<std::size_t>(index), line);
  saveLines(path, f.lines);
  s.log.append(std::string(info.fileName) + cp1251::fromUtf8(" записан..."));
  // The file now holds exactly these lines: no line holds a line break, so reading it back
  // would give them again.
  services.reloadViewer(k, f.lines);
  return name;
}

} // namespace fw
