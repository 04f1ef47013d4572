// Files and the current directory, the only place that asks the operating system about them.
// Paths given here are native paths in the system's encoding: UTF-8 on Windows (handed to the wide
// calls as UTF-16), the file system's own bytes on POSIX. See nativeLiteral() for turning the
// program's literals into one.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fw::platform {

// The process's current directory as the OS reports it, whatever its length.
// Throws std::runtime_error when the OS cannot report it.
std::string currentDirectory();

// Turns a path literal of the program ("common\\data\\handling.dat", "\\fleetwick.ini") into the
// platform's form: on POSIX a backslash in a literal is a separator. Doubled slashes stay; the
// file system treats them as one.
std::string nativeLiteral(std::string_view literal);

// Whether anything has that name: a file, or a folder, FIFO or device where a file is expected,
// which the read that follows then refuses rather than passing it over.
bool fileExists(const std::string& path);
// A regular file that the player has made read-only: no write bit at all on POSIX, the read-only
// attribute on Windows.
bool readOnly(const std::string& path);
// Makes the folder (its parent must exist); true also when it is there already.
bool makeFolder(const std::string& path);

// How long a file that another program holds open (a virus scanner, an editor, the game) is
// waited for before a read or a replace of it fails, and how long the game folder's lock is waited
// for. Only Windows has holds on files.
constexpr std::chrono::seconds kSharingPatience{5};

// A whole file's bytes in memory. Large files are read into memory that is mapped in one go,
// which spares the system a page fault for every few kilobytes read.
class FileBytes {
public:
  FileBytes() = default;
  FileBytes(FileBytes&& other) noexcept;
  FileBytes& operator=(FileBytes&& other) noexcept;
  ~FileBytes();

  std::string_view view() const { return {data_, size_}; }

private:
  friend std::optional<FileBytes> readFile(const std::string& path);
  bool reserve(std::size_t capacity);

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

// The whole file, or nothing when it cannot be opened or read, or is no regular file (a folder, a
// FIFO or a device would never end or never start).
std::optional<FileBytes> readFile(const std::string& path);

enum class Existing { Replace, Keep };
enum class WriteResult { Written, Exists, Failed };

// Writes the file with the given lines, each followed by lineEnd, so that a crash never leaves it half
// written: the bytes go to a temporary file beside it, flushed to disk, then take the target's name in one
// step. An existing file is replaced (keeping its permissions) or, with Existing::Keep, left alone: then the
// answer is Exists, also when the file appeared while this one was written. Refuses a read-only target (no
// write bit at all on POSIX, the read-only attribute on Windows), one that is no regular file and a
// missing folder. A failed write, and on POSIX one that SIGINT, SIGTERM or SIGHUP ends, removes its
// temporary file; what a harder end leaves, removeStaleTemporaries() finds.
WriteResult writeFile(const std::string& path, std::span<const std::string_view> lines,
                      std::string_view lineEnd, Existing existing);

// What writeFile() refuses before it writes a byte, asked beforehand: whether `path` may be
// replaced or created (a writable regular file, or none, in a folder that takes new files), and
// whether `folder` takes new files.
bool replaceable(const std::string& path);
bool writableFolder(const std::string& folder);

// Removes the temporary files that writes into this folder left when their process was killed. A
// live writer's file is kept while it is written; one that the sweep took in the instant between
// its creation and its writer's first hold of it is made anew by that writer.
void removeStaleTemporaries(const std::string& folder);

// A game folder copied from Windows may spell a name in another letter case than the program does.
// On a case-sensitive file system each component of the path that does not exist as written is
// looked up in its folder ignoring ASCII case: the one match takes its place; several matches are
// answered as they are, for the caller to refuse; a component that matches nothing stays as
// written (a file about to be created). On Windows the path is the answer.
struct ResolvedPath {
  std::string path;
  std::vector<std::string> ambiguous; // the entries that all match one component
};
ResolvedPath resolveCase(const std::string& path);

} // namespace fw::platform
