// Whole-file reads and writes of line buffers, with the program's error texts.
// A path carries two forms: the text as the program built it (for messages) and the native path.
#pragma once

#include "common/LineBuffer.h"

#include <string>

namespace fw {

struct FilePath {
  std::string text;   // as the program built it, doubled slashes and all
  std::string native; // what the operating system is given

  // A literal relative to the current directory at the time of access.
  static FilePath relative(std::string literal);
  // The start directory followed by a literal that begins with a separator.
  static FilePath under(const std::string& startDir, const std::string& literal);
  // A path the user chose in a dialog, already native.
  static FilePath chosen(std::string path);
};

bool exists(const FilePath& path);
// Throws "Cannot open file %s" when the file cannot be read.
LineBuffer loadLines(const FilePath& path);
// Throws "Cannot create file %s" when the file cannot be replaced; the old file is then untouched.
void saveLines(const FilePath& path, const LineBuffer& lines);

} // namespace fw
