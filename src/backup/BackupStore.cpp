#include "backup/BackupStore.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/Integer.h"

#include <cstdio>
#include <map>

namespace fw::backup {

int nextNumber(MainState& s, FileKind k) {
  s.backupCount = std::to_string(s.file(k).backupNames.items.size());
  return toInteger(s.backupCount) + 1;
}

std::string backupName(FileKind k, std::string_view label, int number) {
  return std::string(kindInfo(k).prefix) + std::string(label) + "_" + std::to_string(number) + ".hb";
}

namespace {

bool unsafeForFileName(std::string_view text) {
  if (text.find("..") != std::string_view::npos) return true;
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7F ||
        std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
      return true;
  return false;
}

FilePath backupPath(const MainState& s, FileKind k, std::string_view label, int number) {
  return FilePath::under(s.startDirectory, kindInfo(k).backupDir + backupName(k, label, number));
}

} // namespace

void requirePlainLabel(std::string_view label) {
  if (unsafeForFileName(label))
    throw Error(Reason::UnfitLabel,
                cp1251::fromUtf8("Название \"") + std::string(label) +
                    cp1251::fromUtf8("\" не годится для имени резервной копии, ничего не записано"),
                "", "", std::string(label));
}

void requirePlainName(std::string_view name) {
  if (name == "." || unsafeForFileName(name))
    throw Error(Reason::NotBackupName,
                cp1251::fromUtf8("\"") + std::string(name) +
                    cp1251::fromUtf8("\" не имя резервной копии, ничего не изменено"),
                "", "", std::string(name));
}

std::string backupTimestamp(const platform::LocalTime& at) {
  if (auto text = platform::userTimestamp(at))
    if (auto bytes = cp1251::fromUtf8Text(*text)) return *bytes;
  char own[32];
  std::snprintf(own, sizeof own, at.midnight() ? "%02d.%02d.%04d" : "%02d.%02d.%04d %02d:%02d:%02d", at.day,
                at.month, at.year, at.hour, at.minute, at.second);
  return own;
}

namespace {

// Three versions of a dated list: as this copy last read or wrote it (base), as its user left it
// (mine) and as the file holds it now (theirs). Lines that other copies added go on top, as the
// newest; lines they removed go from the user's list too; the user's own edits stay.
LineBuffer merged(const LineBuffer& base, const LineBuffer& mine, const LineBuffer& theirs) {
  std::map<std::string_view, long> added; // by other copies; below zero: removed by them
  for (std::string_view line : theirs.views())
    ++added[line];
  for (std::string_view line : base.views())
    --added[line];
  LineBuffer out;
  for (std::string_view line : theirs.views()) {
    if (added[line] <= 0) continue;
    --added[line];
    out.append(std::string(line));
  }
  for (std::string_view line : mine.views()) {
    if (added[line] < 0) {
      ++added[line];
      continue;
    }
    out.append(std::string(line));
  }
  return out;
}

} // namespace

std::vector<FilePath> missingBackupFolders(const std::string& startDir) {
  std::vector<FilePath> missing;
  std::vector<std::string> folders = {"//backup"};
  for (FileKind k : kFileKinds)
    folders.push_back(kindInfo(k).backupDir);
  for (const std::string& literal : folders)
    if (FilePath folder = FilePath::under(startDir, literal); !exists(folder))
      missing.push_back(std::move(folder));
  return missing;
}

std::vector<std::string> makeBackupFolders(const std::string& startDir) {
  std::vector<std::string> made;
  for (const FilePath& folder : missingBackupFolders(startDir)) {
    if (!makeFolder(folder)) throw refusedWrite(folder);
    made.push_back(folder.text);
  }
  return made;
}

void reloadLists(MainState& s, FileKind k) {
  DataFileState& f = s.file(k);
  if (FilePath names = FilePath::under(s.startDirectory, kindInfo(k).nameList); exists(names))
    f.backupNames.items = loadLines(names).lines();
  if (FilePath dated = FilePath::under(s.startDirectory, kindInfo(k).datedList); exists(dated)) {
    LineBuffer onDisk = loadLines(dated);
    f.datedList = merged(f.datedListOnDisk, f.datedList, onDisk);
    f.datedListOnDisk = std::move(onDisk);
  }
}

void requireWritableStore(MainState& s, FileKind k, const std::string& label) {
  reloadLists(s, k);
  const KindInfo& info = kindInfo(k);
  const FilePath backup = backupPath(s, k, label, static_cast<int>(s.file(k).backupNames.items.size()) + 1);
  if (!writableFolder(FilePath::under(s.startDirectory, info.backupDir))) throw refusedWrite(backup);
  for (const char* list : {info.datedList, info.nameList})
    if (const FilePath path = FilePath::under(s.startDirectory, list); !replaceable(path))
      throw refusedWrite(path);
}

int writeBackupFile(MainState& s, FileKind k, const std::string& label, int number, const std::string& line) {
  while (!createLines(backupPath(s, k, label, number), LineBuffer{line}))
    ++number;
  return number;
}

void recordInLists(MainState& s, FileKind k, const std::string& label, int number,
                   const std::string& timestamp) {
  DataFileState& f = s.file(k);
  const std::string name = backupName(k, label, number);
  f.backupNames.items.insert(f.backupNames.items.begin(), name);
  f.backupNames.text = name;
  f.datedList.insert(0, name + "          " + timestamp);
  saveLines(FilePath::under(s.startDirectory, kindInfo(k).datedList), f.datedList);
  f.datedListOnDisk = f.datedList;
  saveLines(FilePath::under(s.startDirectory, kindInfo(k).nameList), LineBuffer(f.backupNames.items));
}

} // namespace fw::backup
