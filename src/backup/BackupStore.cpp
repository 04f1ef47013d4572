#include "backup/BackupStore.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/Integer.h"

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
    throw Error(cp1251::fromUtf8("Название \"") + std::string(label) +
                cp1251::fromUtf8("\" не годится для имени резервной копии, ничего не записано"));
}

void requirePlainName(std::string_view name) {
  if (name == "." || unsafeForFileName(name))
    throw Error(cp1251::fromUtf8("\"") + std::string(name) +
                cp1251::fromUtf8("\" не имя резервной копии, ничего не изменено"));
}

void reloadLists(MainState& s, FileKind k) {
  DataFileState& f = s.file(k);
  if (FilePath names = FilePath::under(s.startDirectory, kindInfo(k).nameList); exists(names))
    f.backupNames.items = loadLines(names).lines();
  if (FilePath dated = FilePath::under(s.startDirectory, kindInfo(k).datedList); exists(dated)) {
    LineBuffer onDisk = loadLines(dated);
    if (!(onDisk == f.datedListOnDisk)) f.datedList = onDisk;
    f.datedListOnDisk = std::move(onDisk);
  }
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
