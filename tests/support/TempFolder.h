// A temporary folder for tests that touch files, optionally the current directory while it lives.
// Toolkit-free, so that core tests build without Qt (and for Windows).
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace fw::test {

namespace fs = std::filesystem;

inline std::string readBytes(const fs::path& file) {
  std::ostringstream all;
  all << std::ifstream(file, std::ios::binary).rdbuf();
  return all.str();
}

// Every file below a folder by its relative path ('/' separated), with its bytes.
inline std::map<std::string, std::string> snapshotOf(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (auto& entry : fs::recursive_directory_iterator(folder))
    if (!entry.is_directory())
      files[fs::relative(entry.path(), folder).generic_string()] = readBytes(entry.path());
  return files;
}

// A folder of the tests' own data.
inline fs::path testData(const std::string& name) {
  return fs::path(FLEETWICK_SOURCE_DIR) / "tests/data" / name;
}

class TempFolder {
public:
  explicit TempFolder(bool enter = false) {
    std::random_device random; // create_directory tells whether it made the folder: a taken name is skipped
    while (!fs::create_directory(path_ = fs::temp_directory_path() /
                                         ("fleetwick-test-" + std::to_string(random()))))
      ;
    if (enter) previous_ = fs::current_path(), fs::current_path(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    if (!previous_.empty()) fs::current_path(previous_, ec);
    for (auto& entry : fs::recursive_directory_iterator(path_, ec))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const fs::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  // Writes bytes to a path relative to the folder, creating the folders on the way.
  void write(const std::string& relative, std::string_view bytes) const {
    fs::create_directories((path_ / relative).parent_path());
    std::ofstream(path_ / relative, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::string read(const std::string& relative) const { return readBytes(path_ / relative); }
  bool has(const std::string& relative) const { return fs::exists(path_ / relative); }
  void makeDir(const std::string& relative) const { fs::create_directories(path_ / relative); }
  // No write bit at all (the read-only attribute on Windows): a read-only file to the program.
  void makeReadOnly(const std::string& relative) const {
    fs::permissions(path_ / relative,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }
  std::map<std::string, std::string> snapshot() const { return snapshotOf(path_); }

private:
  fs::path path_, previous_;
};

// A game folder: common/data with the three files of `dataFiles` and backup with its three subfolders.
inline void makeGameFolder(const TempFolder& folder, const fs::path& dataFiles) {
  for (const char* dir : {"common/data", "backup/handling", "backup/vehicles", "backup/carcols"})
    folder.makeDir(dir);
  for (const char* file : {"handling.dat", "vehicles.ide", "carcols.dat"})
    fs::copy_file(dataFiles / file, folder.path() / "common/data" / file);
}

} // namespace fw::test
