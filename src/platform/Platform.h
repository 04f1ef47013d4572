// The only place that talks to the operating system about files and the current directory.
// Paths given here are native paths; see nativeLiteral() for turning the program's literals into one.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

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

// Replaces (or creates) the file with the given lines, each followed by lineEnd, so that a crash never leaves
// it half written: the bytes go to a temporary file beside it, flushed to disk, then renamed over it, keeping
// the target's permissions. Refuses a read-only target (no write bit at all on POSIX, the read-only attribute
// on Windows) and a missing folder. Returns false when nothing was replaced.
bool replaceFile(const std::string& path, std::span<const std::string_view> lines, std::string_view lineEnd);

// Starts a program from a command line the way Windows' CreateProcess reads it (the text is the
// whole command line, no application name), in workingDir, without waiting for it and without
// handing it any descriptor but the standard streams. An empty workingDir keeps ours. Returns
// false when nothing was started: empty text, no such program, not executable.
bool launch(const std::string& commandLine, const std::string& workingDir);

} // namespace fw::platform
