#include "common/MainState.h"

#include "common/Cp1251.h"

namespace fw {

MainState::MainState() {
  for (Category c : {Category::Bike, Category::Boat, Category::Helicopter})
    vehicleLists[indexOf(c)].visible = lookupButtons[indexOf(c)].visible = false;
  // The fields' texts before any lookup: the window design's own.
  const char* const indices[] = {"Edit1", "Edit5", "admiral,"};
  const char* const hints[] = {
      "Вводите сразу значения для автомобиля, без его названия и без пробела перед первым числом!",
      "Вводите сразу значение для автомобили без дубликата его названия!",
      "Вводите сразу значение для автомобили без его названия!"};
  for (FileKind k : kFileKinds) {
    file(k).lineIndex = indices[indexOf(k)];
    file(k).hint = cp1251::fromUtf8(hints[indexOf(k)]);
  }
}

} // namespace fw
