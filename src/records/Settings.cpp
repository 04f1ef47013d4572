#include "records/Settings.h"

#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"

namespace fw {

void saveSettings(MainState& s, const std::string& archiveEditorPath, const std::string& gamePath) {
  for (const std::string* path : {&archiveEditorPath, &gamePath})
    if (path->find_first_of("\r\n") != std::string::npos)
      throw Error(cp1251::fromUtf8("Путь не может содержать перевод строки, ничего не записано"));
  s.settingsLines = LineBuffer{archiveEditorPath, gamePath};
  s.archiveEditorPath = archiveEditorPath;
  s.gamePath = gamePath;
  // The start directory, not the current one: a browse dialog may have moved that.
  saveLines(FilePath::under(s.startDirectory, kSettingsFile), s.settingsLines);
}

} // namespace fw
