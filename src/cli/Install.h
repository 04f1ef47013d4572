// fleetwick-cli install: a mod's lines taken from its read-me and written as replace writes them.
#pragma once

#include "cli/Arguments.h"

#include <span>
#include <string>

namespace fw::cli {

// The words after "install": VEHICLE TEXT_FILE [--take NAME] [--dry-run] [--force], options
// anywhere among them.
void readInstallArguments(std::span<const std::string> words, Arguments& a);

void install(const Arguments& a);

} // namespace fw::cli
