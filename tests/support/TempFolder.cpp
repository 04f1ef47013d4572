#include "TempFolder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace fw::test {

TempFolder::TempFolder(bool enter) {
  std::random_device random; // create_directory tells whether it made the folder: a taken name is skipped
  while (!fs::create_directory(path_ = fs::temp_directory_path() /
                                       ("fleetwick-test-" + std::to_string(random()))))
    ;
  if (enter) previous_ = fs::current_path(), fs::current_path(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  if (!previous_.empty()) fs::current_path(previous_, ec);
  for (auto& entry : fs::recursive_directory_iterator(path_, ec))
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

void TempFolder::write(const std::string& relative, std::string_view bytes) const {
  fs::create_directories((path_ / relative).parent_path());
  std::ofstream(path_ / relative, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const fs::path& file) {
  std::ostringstream all;
  all << std::ifstream(file, std::ios::binary).rdbuf();
  return all.str();
}

std::string TempFolder::read(const std::string& relative) const { return readBytes(path_ / relative); }
bool TempFolder::has(const std::string& relative) const { return fs::exists(path_ / relative); }
void TempFolder::makeDir(const std::string& relative) const { fs::create_directories(path_ / relative); }

void TempFolder::makeReadOnly(const std::string& relative) const {
  fs::permissions(path_ / relative, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

std::map<std::string, std::string> TempFolder::snapshot() const {
  std::map<std::string, std::string> files;
  for (auto& entry : fs::recursive_directory_iterator(path_))
    if (!entry.is_directory())
      files[fs::relative(entry.path(), path_).generic_string()] = readBytes(entry.path());
  return files;
}

void makeGameFolder(const TempFolder& folder, std::string_view handling, std::string_view vehicles,
                    std::string_view carcols, bool withBackup) {
  folder.write("common/data/handling.dat", handling);
  folder.write("common/data/vehicles.ide", vehicles);
  folder.write("common/data/carcols.dat", carcols);
  for (const char* dir : {"backup/handling", "backup/vehicles", "backup/carcols"})
    if (withBackup) folder.makeDir(dir);
}

} // namespace fw::test
