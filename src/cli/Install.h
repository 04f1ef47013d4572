// fleetwick-cli install: a mod's lines taken from its read-me and written as replace writes them.
#pragma once

#include "cli/Arguments.h"

namespace fw::cli {

void install(const Arguments& a);

} // namespace fw::cli
