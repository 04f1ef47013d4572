#include "common/Files.h"

#include "common/Cp1251.h"
#include "common/Errors.h"

namespace fw {

FilePath FilePath::relative(std::string literal) {
  std::string native = platform::nativeLiteral(literal);
  return {std::move(literal), std::move(native)};
}

FilePath FilePath::under(const std::string& startDir, const std::string& literal) {
  return {startDir + literal, startDir + platform::nativeLiteral(literal)};
}

FilePath FilePath::chosen(std::string path) { return {path, path}; }

namespace {

std::string onDisk(const FilePath& path) {
  platform::ResolvedPath resolved = platform::resolveCase(path.native);
  if (resolved.ambiguous.empty()) return resolved.path;
  std::string names;
  for (const std::string& name : resolved.ambiguous)
    names += (names.empty() ? "" : ", ") + name;
  throw Error("Cannot tell which file is meant by " + path.text + ": " + names);
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
    throw cannotCreate(path.text);
}

bool createLines(const FilePath& path, const LineBuffer& lines) {
  switch (platform::writeFile(onDisk(path), lines.views(), "\r\n", platform::Existing::Keep)) {
  case platform::WriteResult::Written: return true;
  case platform::WriteResult::Exists: return false;
  case platform::WriteResult::Failed: break;
  }
  throw cannotCreate(path.text);
}

GameFolderLock::GameFolderLock(const std::string& startDir, std::chrono::milliseconds patience) {
  const FilePath file = FilePath::under(startDir, "//backup//fleetwick.lock");
  if (lock_.lock(onDisk(file), patience) == platform::FileLock::Result::Busy)
    throw Error(cp1251::fromUtf8("Файлы игры сейчас меняет другая копия Fleetwick, ничего не изменено. "
                                 "Попробуйте ещё раз"));
}

} // namespace fw
