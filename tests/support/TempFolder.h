// A temporary folder for tests that touch files, optionally the current directory while it lives.
// Toolkit-free, so that core tests build without Qt (and for Windows).
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace fw::test {

class TempFolder {
public:
  explicit TempFolder(bool enter = false);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }

  // Writes bytes to a path relative to the folder, creating the folders on the way.
  void write(const std::string& relative, std::string_view bytes) const;
  std::string read(const std::string& relative) const;
  bool has(const std::string& relative) const;
  void makeDir(const std::string& relative) const;
  // Clears every write bit (and the read-only attribute on Windows): a read-only file to the program.
  void makeReadOnly(const std::string& relative) const;
  // Every file below by its relative path ('/' separated), with its bytes.
  std::map<std::string, std::string> snapshot() const;

private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

// A whole file's bytes.
std::string readBytes(const std::filesystem::path& file);

// A game folder: common/data with the three files and backup with its three subfolders.
void makeGameFolder(const TempFolder& folder, std::string_view handling, std::string_view vehicles,
                    std::string_view carcols, bool withBackup = true);

} // namespace fw::test
