#include "TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace fw::test {

TempFolder::TempFolder(bool enter) {
  // create_directory reports whether it made the folder, so a name taken by another test run
  // is simply skipped.
  std::random_device random;
  for (int attempt = 0; path_.empty(); ++attempt) {
    if (attempt == 100) throw std::runtime_error("cannot make a temporary folder");
    fs::path candidate = fs::temp_directory_path() / ("fleetwick-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) path_ = candidate;
  }
  if (enter) {
    previous_ = fs::current_path();
    fs::current_path(path_);
    entered_ = true;
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  if (entered_) fs::current_path(previous_, ec);
  for (auto& entry : fs::recursive_directory_iterator(path_, ec))
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

void TempFolder::write(const std::string& relative, std::string_view bytes) const {
  fs::path target = path_ / relative;
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + target.string());
}

std::string TempFolder::read(const std::string& relative) const {
  std::ifstream in(path_ / relative, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + relative);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

bool TempFolder::has(const std::string& relative) const { return fs::exists(path_ / relative); }

void TempFolder::makeDir(const std::string& relative) const { fs::create_directories(path_ / relative); }

void TempFolder::makeReadOnly(const std::string& relative) const {
  fs::permissions(path_ / relative, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

std::string TempFolder::listing() const {
  std::vector<std::string> names;
  for (auto& entry : fs::recursive_directory_iterator(path_))
    names.push_back(fs::relative(entry.path(), path_).string());
  std::sort(names.begin(), names.end());
  std::string out;
  for (auto& n : names)
    out += n + "\n";
  return out;
}

void makeGameFolder(const TempFolder& folder, std::string_view handling, std::string_view vehicles,
                    std::string_view carcols, bool withBackup) {
  folder.write("common/data/handling.dat", handling);
  folder.write("common/data/vehicles.ide", vehicles);
  folder.write("common/data/carcols.dat", carcols);
  if (withBackup)
    for (const char* dir : {"backup/handling", "backup/vehicles", "backup/carcols"})
      folder.makeDir(dir);
}

} // namespace fw::test
