// A temporary folder for tests that touch files, optionally made the current directory for the
// test's duration. Toolkit-free, so that core tests build without Qt.
#pragma once

#include <filesystem>
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
  // Clears every write bit, so that the program treats the file as read-only.
  void makeReadOnly(const std::string& relative) const;
  // Every file and folder below, as relative paths, sorted.
  std::string listing() const;

private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
  bool entered_ = false;
};

// A game folder: common/data with the three files and backup with its three subfolders.
void makeGameFolder(const TempFolder& folder, std::string_view handling, std::string_view vehicles,
                    std::string_view carcols, bool withBackup = true);

} // namespace fw::test
