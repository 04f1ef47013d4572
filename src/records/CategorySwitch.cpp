#include "records/CategorySwitch.h"

namespace fw {
namespace {

void disableInputRows(MainState& s) {
  for (DataFileState& f : s.files)
    f.input.enabled = f.writeButton.enabled = false;
}

} // namespace

void selectCategory(MainState& s, Category c) {
  s.category = c;
  for (Category other : kCategories)
    s.vehicleList(other).visible = s.lookupButtons[indexOf(other)].visible = other == c;
  s.vehicleLabel.clear();
  s.carcolsRemark.clear();
  s.file(FileKind::Handling).lineIndex.clear();
  disableInputRows(s);
}

void vehicleListChanged(MainState& s) {
  disableInputRows(s);
  s.vehicleLabel.clear();
  for (DataFileState& f : s.files)
    f.restoreButton.enabled = false;
}

} // namespace fw
