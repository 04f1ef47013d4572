// Numbers in working fields are decimal text; this is the one conversion they go through.
#pragma once

#include <cstdint>
#include <string>

namespace fw {

// A decimal integer with an optional sign, in the 32-bit range; anything else throws notAnInteger.
std::int32_t toInteger(const std::string& text);

} // namespace fw
