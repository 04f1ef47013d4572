// The one error type of the program: it carries the text that the error box shows. The text is
// Windows-1251; a path in it is in the system's encoding (UTF-8, as the platform layer hands paths
// over), so the error keeps the path apart and each front end turns both parts into what it shows.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// What went wrong, for a front end that words errors in its own language (the command line); the
// window shows the text. The subject is what the text names besides a path (Windows-1251): a data
// file's name, a vehicle label, a backup name, a number's text.
enum class Reason {
  Unspecified,
  CannotOpen,      // path: a file that cannot be read
  CannotCreate,    // path: a file that cannot be written
  ReadOnlyFile,    // path: a file that cannot be written because it is read-only
  MissingFolder,   // path: a file that cannot be written because its folder is missing
  NotAnInteger,    // subject: the text
  AmbiguousName,   // path: the name several entries of a folder match, and those entries
  LineBreak,       // the text would split the line it goes into
  NotLookedUp,     // subject: the data file the last lookup found no line of
  ChangedOnDisk,   // subject: the data file whose vehicle line moved since the lookup
  NotOwnBackup,    // subject: the vehicle label the backup is not for
  UnfitLabel,      // subject: a label that cannot be part of a backup's name
  NotBackupName,   // subject: a name that could reach outside the backup folder
  LockBusy,        // another copy holds the game folder
  LockUnavailable, // path: the lock file that cannot be taken
  LinesWithErrors, // lines the game cannot load, not forced: nothing was written
  NotAFile,        // path: a folder, a FIFO or a device where a text file is expected
  TextTooLarge,    // a text past the size a mod's read-me may have
  EmptyText,       // a text without a character
  NotText,         // bytes that are no text (a picture, an archive)
  NoModLines,      // subject: the vehicle label a mod's text has no line for
  NotInCodePage,   // subject: a character (as U+XXXX) that Windows-1251 lacks
};

class Error : public std::runtime_error {
public:
  explicit Error(const std::string& text) : Error(text, {}, {}) {}
  Error(std::string before, std::string path, std::string after);
  Error(Reason reason, std::string before, std::string path, std::string after, std::string subject = {});

  Reason reason() const { return reason_; }
  const std::string& subject() const { return subject_; } // Windows-1251

  const std::string& before() const { return before_; } // Windows-1251
  const std::string& path() const { return path_; }     // the system's encoding
  const std::string& after() const { return after_; }   // Windows-1251

  // The text an error box shows: the message, with a full stop added unless it ends in one.
  Error withFullStop() const;

private:
  Reason reason_ = Reason::Unspecified;
  std::string before_, path_, after_, subject_;
};

Error cannotOpen(const std::string& path);
Error cannotCreate(const std::string& path);
Error notAnInteger(const std::string& text);

// The whole message as UTF-8, for a console and for tests.
std::string utf8Message(const Error& e);

} // namespace fw
