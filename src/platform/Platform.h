// The only place that talks to the operating system about files and the current directory.
// Paths given here are native paths; see nativeLiteral() for turning the program's literals into one.
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

bool fileExists(const std::string& path);

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

// The whole file, or nothing when it cannot be opened or read.
std::optional<FileBytes> readFile(const std::string& path);

enum class Existing { Replace, Keep };
enum class WriteResult { Written, Exists, Failed };

// Writes the file with the given lines, each followed by lineEnd, so that a crash never leaves it half
// written: the bytes go to a temporary file beside it, flushed to disk, then take the target's name in one
// step. An existing file is replaced (keeping its permissions) or, with Existing::Keep, left alone: then the
// answer is Exists, also when the file appeared while this one was written. Refuses a read-only target (no
// write bit at all on POSIX, the read-only attribute on Windows) and a missing folder.
WriteResult writeFile(const std::string& path, std::span<const std::string_view> lines,
                      std::string_view lineEnd, Existing existing);

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

// An exclusive lock on a file, created when missing, held until the object goes.
class FileLock {
public:
  enum class Result { Held, Busy, NoFile };

  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

  // Tries until `patience` has passed while another holder has the lock (Busy then). NoFile when
  // the lock file cannot be opened or created at all.
  Result lock(const std::string& path, std::chrono::milliseconds patience);

private:
  std::intptr_t handle_ = -1;
};

// Starts a program from a command line the way Windows' CreateProcess reads it (the text is the
// whole command line, no application name), in workingDir, without waiting for it and without
// handing it any descriptor but the standard streams. An empty workingDir keeps ours. Returns
// false when nothing was started: empty text, no such program, not executable.
bool launch(const std::string& commandLine, const std::string& workingDir);

} // namespace fw::platform
