// Whole-file reads and writes of line buffers, with the program's error texts.
// A path carries two forms: the text as the program built it (for messages) and the native path.
#pragma once

#include "common/LineBuffer.h"
#include "platform/Platform.h"

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

// Every function here reaches the file under the letter case it has on disk, and refuses a name
// that several entries of one folder match.
bool exists(const FilePath& path);
// Throws "Cannot open file %s" when the file cannot be read.
LineBuffer loadLines(const FilePath& path);
// Throws "Cannot create file %s" when the file cannot be replaced; the old file is then untouched.
void saveLines(const FilePath& path, const LineBuffer& lines);
// Writes a new file; false, with nothing written, when a file of that name exists already.
// Throws "Cannot create file %s" when it cannot be created.
bool createLines(const FilePath& path, const LineBuffer& lines);

// Holds the game folder's lock for as long as it lives, so that copies of the program (the window
// and scripts) change the folder's files one at a time. Where the lock file's folder cannot take
// it, nothing can be backed up there either, and the caller goes on unlocked to fail as it would.
// Throws when another copy holds the lock for longer than `patience`.
class GameFolderLock {
public:
  explicit GameFolderLock(const std::string& startDir,
                          std::chrono::milliseconds patience = std::chrono::seconds(5));

private:
  platform::FileLock lock_;
};

} // namespace fw
