#include "common/Files.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"

namespace fw {

FilePath FilePath::relative(std::string_view literal) {
  std::string text = cp1251::toUtf8(literal);
  std::string native = platform::nativeLiteral(text);
  return {std::move(text), std::move(native)};
}

FilePath FilePath::under(const std::string& startDir, std::string_view literal) {
  const std::string text = cp1251::toUtf8(literal);
  return {startDir + text, startDir + platform::nativeLiteral(text)};
}

FilePath FilePath::chosenByUser(std::string path) { return {path, path, true}; }

namespace {

std::string onDisk(const FilePath& path) {
  if (path.chosen) return path.native;
  platform::ResolvedPath resolved = platform::resolveCase(path.native);
  if (resolved.ambiguous.empty()) return resolved.path;
  std::string names;
  for (const std::string& name : resolved.ambiguous)
    names += (names.empty() ? "" : ", ") + name;
  // The names are in the system's encoding, as the path is.
  throw Error(Reason::AmbiguousName, "Cannot tell which file is meant by ", path.text + ": " + names, "");
}

} // namespace

bool exists(const FilePath& path) { return platform::fileExists(onDisk(path)); }

LineBuffer loadLines(const FilePath& path) {
  auto bytes = platform::readFile(onDisk(path));
  if (!bytes) throw cannotOpen(path.text);
  return LineBuffer::fromBytes(std::move(*bytes));
}

void saveLines(const FilePath& path, const LineBuffer& lines) {
  if (platform::writeFile(onDisk(path), lines.views(), "\r\n", platform::Existing::Replace) !=
      platform::WriteResult::Written)
    throw refusedWrite(path);
}

bool makeFolder(const FilePath& folder) { return platform::makeFolder(onDisk(folder)); }

Error refusedWrite(const FilePath& path) {
  const std::string native = onDisk(path);
  std::string folder = native.substr(0, native.find_last_of("/\\") + 1);
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\'))
    folder.pop_back();
  Reason reason = Reason::CannotCreate;
  if (platform::readOnly(native))
    reason = Reason::ReadOnlyFile;
  else if (!folder.empty() && !platform::fileExists(folder))
    reason = Reason::MissingFolder;
  return Error(reason, "Cannot create file ", path.text, "");
}

bool createLines(const FilePath& path, const LineBuffer& lines) {
  switch (platform::writeFile(onDisk(path), lines.views(), "\r\n", platform::Existing::Keep)) {
  case platform::WriteResult::Written: return true;
  case platform::WriteResult::Exists: return false;
  case platform::WriteResult::Failed: break;
  }
  throw refusedWrite(path);
}

bool replaceable(const FilePath& path) { return platform::replaceable(onDisk(path)); }

bool writableFolder(const FilePath& folder) { return platform::writableFolder(onDisk(folder)); }

GameFolderLock::GameFolderLock(const std::string& startDir, std::chrono::milliseconds patience) {
  const FilePath file = FilePath::under(startDir, "//backup//fleetwick.lock");
  switch (lock_.lock(onDisk(file), patience)) {
  case platform::FileLock::Result::Held: break;
  case platform::FileLock::Result::NoFolder: return;
  case platform::FileLock::Result::Busy:
    throw Error(Reason::LockBusy,
                cp1251::fromUtf8("Файлы игры сейчас меняет другая копия Fleetwick, ничего не изменено. "
                                 "Попробуйте ещё раз"),
                "", "");
  case platform::FileLock::Result::Failed:
    throw Error(Reason::LockUnavailable, cp1251::fromUtf8("Не удаётся занять файл блокировки "), file.text,
                cp1251::fromUtf8(", ничего не изменено"));
  }
  removeStaleTemporaries(startDir);
}

void removeStaleTemporaries(const std::string& startDir) {
  for (const std::string& folder : writtenFolders()) {
    const FilePath path = FilePath::under(startDir, folder);
    if (platform::ResolvedPath resolved = platform::resolveCase(path.native); resolved.ambiguous.empty())
      platform::removeStaleTemporaries(resolved.path);
  }
}

} // namespace fw
