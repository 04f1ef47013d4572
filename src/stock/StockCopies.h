// The game's three data files as it ships them, carried by the program (generated into the build
// from data/, byte for byte).
#pragma once

#include "common/LineBuffer.h"
#include "common/MainState.h"

#include <string_view>

namespace fw::stock {

std::string_view bytesOf(FileKind k);
// The copy's lines, as the window writes them out and as the comparison reads them.
const LineBuffer& copyOf(FileKind k);

} // namespace fw::stock
