// Whole-file reads and writes of line buffers, with the program's error texts.
// A path carries two forms: the text as the program built it (for messages) and the native path,
// both in the system's encoding; the program's own literals and names are Windows-1251 and are
// converted on the way in.
#pragma once

#include "common/Errors.h"
#include "common/LineBuffer.h"
#include "platform/FileSystem.h"
#include "platform/Locks.h"

#include <string>
#include <string_view>

namespace fw {

struct FilePath {
  std::string text;   // as the program built it, doubled slashes and all
  std::string native; // what the operating system is given
  bool chosen = false;

  // A literal (Windows-1251) relative to the current directory at the time of access.
  static FilePath relative(std::string_view literal);
  // The start directory followed by a literal (Windows-1251) that begins with a separator.
  static FilePath under(const std::string& startDir, std::string_view literal);
  // A path the user chose in a dialog, already native: used exactly as chosen.
  static FilePath chosenByUser(std::string path);
};

// The game's own files are reached under the letter case they have on disk, and a name that several
// entries of one folder match is refused; a chosen path is taken as it is.
bool exists(const FilePath& path);
// Throws "Cannot open file %s" when the file cannot be read or is no regular file.
LineBuffer loadLines(const FilePath& path);
// Throws "Cannot create file %s" when the file cannot be replaced; the old file is then untouched.
void saveLines(const FilePath& path, const LineBuffer& lines);
// Writes a new file; false, with nothing written, when a file of that name exists already.
// Throws "Cannot create file %s" when it cannot be created.
bool createLines(const FilePath& path, const LineBuffer& lines);

// Whether a write to the path could go through, and whether the folder takes new files: what the
// write itself would refuse before writing, asked before a command that writes several files
// starts, so that it changes all of them or none.
bool replaceable(const FilePath& path);
bool writableFolder(const FilePath& folder);
// Makes the folder, whose parent must exist; true also when it is there already.
bool makeFolder(const FilePath& folder);
// "Cannot create file %s", with what refused it where it is a read-only file or a missing folder.
Error refusedWrite(const FilePath& path);

// Holds the game folder's lock for as long as it lives, so that copies of the program (the window
// and scripts) change the folder's files one at a time, and clears away the temporary files that
// killed copies left in the folders it writes to. Where the game folder has no backup folder
// nothing can be backed up either, and the caller goes on to fail as it would. Throws when another
// copy holds the lock for longer than `patience`, or at once when the lock file cannot be taken.
class GameFolderLock {
public:
  explicit GameFolderLock(const std::string& startDir,
                          std::chrono::milliseconds patience = platform::kSharingPatience);

private:
  platform::FileLock lock_;
};

// Removes what killed copies left in the folders the program writes to (writtenFolders()). A folder
// whose name several entries match in letter case is passed over: it is no concern of the write.
void removeStaleTemporaries(const std::string& startDir);

} // namespace fw
