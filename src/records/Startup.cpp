#include "records/Startup.h"

#include "common/FileKinds.h"
#include "common/Files.h"
#include "platform/FileSystem.h"
#include "records/Catalogue.h"

namespace fw {

void constructMainState(MainState& s) {
  for (Category c : kCategories) {
    ComboState& list = s.vehicleList(c);
    list.items = catalogue::entryTexts(c);
    list.text = list.items.front();
  }
  s.startDirectory = platform::currentDirectory();
  s.restorePage = 0;
  for (FileKind k : kFileKinds)
    s.file(k).lines = loadLines(FilePath::relative(kindInfo(k).relativeFile));
  // The lists are read relative to the current directory: their literals without the leading
  // separator.
  for (FileKind k : kFileKinds) {
    DataFileState& f = s.file(k);
    if (FilePath names = FilePath::relative(kindInfo(k).nameList + 2); exists(names))
      f.backupNames.items = loadLines(names).lines();
    if (FilePath dated = FilePath::relative(kindInfo(k).datedList + 2); exists(dated))
      f.datedListOnDisk = f.datedList = loadLines(dated);
  }
  if (FilePath settings = FilePath::relative("fleetwick.ini"); exists(settings)) {
    s.settingsLines = loadLines(settings);
    s.archiveEditorPath = s.settingsLines.at(0);
    s.gamePath = s.settingsLines.at(1);
  }
}

} // namespace fw
