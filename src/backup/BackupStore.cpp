#include "backup/BackupStore.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/Integer.h"

namespace fw::backup {

int nextNumber(MainState& s, FileKind k) {
  s.Hb = std::to_string(fieldsOf(s, k).names.Items.size());
  return toInteger(s.Hb) + 1;
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
  return FilePath::under(s.Buffer, kindInfo(k).backupDir + backupName(k, label, number));
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

int writeBackupFile(MainState& s, FileKind k, const std::string& label, int number, const std::string& line) {
  while (exists(backupPath(s, k, label, number)))
    ++number;
  s.Memo5.clear();
  s.Memo5.append(line);
  saveLines(backupPath(s, k, label, number), s.Memo5);
  return number;
}

void recordInLists(MainState& s, FileKind k, const std::string& label, int number,
                   const std::string& timestamp) {
  KindFields f = fieldsOf(s, k);
  const std::string name = backupName(k, label, number);
  f.names.Items.insert(f.names.Items.begin(), name);
  f.names.Text = name;
  f.dated.insert(0, name + "          " + timestamp);
  saveLines(FilePath::under(s.Buffer, kindInfo(k).datedList), f.dated);
  saveLines(FilePath::under(s.Buffer, kindInfo(k).nameList), LineBuffer(f.names.Items));
}

} // namespace fw::backup
