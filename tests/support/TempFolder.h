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

// A path as the program holds it: UTF-8, with the system's separators.
inline std::string utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

// Every regular file below a folder by its relative path ('/' separated), with its bytes.
inline std::map<std::string, std::string> snapshotOf(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::u8string name = fs::relative(entry.path(), folder).generic_u8string();
    if (entry.is_regular_file()) files[{name.begin(), name.end()}] = readBytes(entry.path());
  }
  return files;
}

// A folder of the tests' own data.
inline fs::path testData(const std::string& name) {
  return fs::path(FLEETWICK_SOURCE_DIR) / "tests/data" / name;
}

// Named as players name game folders, in any script (or in `label`'s), and long enough that the
// files in it have paths of over 260 characters, which Windows handles only when asked to; or with
// a path of `length` UTF-16 units, as Windows counts them.
class TempFolder {
public:
  explicit TempFolder(bool enter = false, std::u8string_view label = u8"Игра 游戏", std::size_t length = 0) {
    std::random_device random; // create_directory tells whether it made the folder: a taken name is skipped
    const std::size_t room = 240 - std::min<std::size_t>(fs::temp_directory_path().u8string().size(), 200);
    do {
      const std::string number = std::to_string(random());
      std::u8string name = u8"fleetwick-test " + std::u8string(label) + u8" " +
                           std::u8string(number.begin(), number.end()) + u8" ";
      name.resize(std::max(name.size(), room), u8'x');
      path_ = fs::temp_directory_path() / name;
      if (length > 0) path_ = path_.u16string().substr(0, length);
    } while (!fs::create_directory(path_));
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
  // A path below the folder; names are UTF-8 on every system.
  fs::path path(const std::string& relative) const {
    return path_ / std::u8string(relative.begin(), relative.end());
  }
  std::string str() const { return utf8(path_); } // as the program holds paths
  std::string at(const std::string& relative) const { return utf8(path(relative)); }
  // Writes bytes to a path relative to the folder, creating the folders on the way.
  void write(const std::string& relative, std::string_view bytes) const {
    fs::create_directories(path(relative).parent_path());
    std::ofstream(path(relative), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::string read(const std::string& relative) const { return readBytes(path(relative)); }
  bool has(const std::string& relative) const { return fs::exists(path(relative)); }
  void makeDir(const std::string& relative) const { fs::create_directories(path(relative)); }
  // No write bit at all (the read-only attribute on Windows): a read-only file to the program.
  void makeReadOnly(const std::string& relative) const {
    fs::permissions(path(relative), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
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
