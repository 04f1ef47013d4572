// The core's failures in the command line's words: what went wrong and what to do about it, in the
// run's language (UTF-8).
#pragma once

#include "common/Errors.h"

#include <string>

namespace fw::cli {

std::string explained(const Error& e);

} // namespace fw::cli
