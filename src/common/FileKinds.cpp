#include "common/FileKinds.h"

#include <algorithm>

namespace fw {

const KindInfo& kindInfo(FileKind k) {
  static const KindInfo kinds[] = {
      {"handling.dat", "//common//data//handling.dat", "common//data//handling.dat", "handling_",
       "//backup//handling//", "//backup//hblistb.txt", "//backup//hblist.txt"},
      {"vehicles.ide", "//common//data//vehicles.ide", "common//data//vehicles.ide", "vehicles_",
       "//backup//vehicles//", "//backup//vblistb.txt", "//backup//vblist.txt"},
      {"carcols.dat", "//common//data//carcols.dat", "common//data//carcols.dat", "carcols_",
       "//backup//carcols//", "//backup//cblistb.txt", "//backup//cblist.txt"},
  };
  return kinds[indexOf(k)];
}

std::vector<std::string> writtenFolders() {
  // A literal's folder: all before its last separator, doubled or not.
  const auto folderOf = [](std::string_view literal) {
    std::string folder(literal.substr(0, literal.find_last_of("/\\") + 1));
    while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
      folder.pop_back();
    return folder;
  };
  std::vector<std::string> folders = {folderOf(kSettingsFile)};
  for (FileKind k : kFileKinds) {
    const KindInfo& info = kindInfo(k);
    for (const char* file : {info.dataFile, info.backupDir, info.nameList, info.datedList})
      if (std::string folder = folderOf(file);
          std::find(folders.begin(), folders.end(), folder) == folders.end())
        folders.push_back(folder);
  }
  return folders;
}

} // namespace fw
