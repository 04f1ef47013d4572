#include "common/Files.h"

#include "common/Errors.h"
#include "platform/Platform.h"

namespace fw {

FilePath FilePath::relative(std::string literal) {
  std::string native = platform::nativeLiteral(literal);
  return {std::move(literal), std::move(native)};
}

FilePath FilePath::under(const std::string& startDir, const std::string& literal) {
  return {startDir + literal, startDir + platform::nativeLiteral(literal)};
}

FilePath FilePath::chosen(std::string path) { return {path, path}; }

bool exists(const FilePath& path) { return platform::fileExists(path.native); }

LineBuffer loadLines(const FilePath& path) {
  auto bytes = platform::readFile(path.native);
  if (!bytes) throw cannotOpen(path.text);
  return LineBuffer::fromBytes(std::move(*bytes));
}

void saveLines(const FilePath& path, const LineBuffer& lines) {
  if (!platform::replaceFile(path.native, lines.views(), "\r\n")) throw cannotCreate(path.text);
}

} // namespace fw
