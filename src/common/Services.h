// What a handler needs from outside the main window's state.
#pragma once

#include "common/LineBuffer.h"
#include "common/MainState.h"

#include <functional>
#include <string>

namespace fw {

struct Services {
  // The backup timestamp: local date and time, rendered as the system renders them (bytes).
  std::function<std::string()> timestamp;
  // Puts the freshly read lines of a data file into that file's viewer window.
  std::function<void(FileKind, const LineBuffer&)> reloadViewer;
};

} // namespace fw
