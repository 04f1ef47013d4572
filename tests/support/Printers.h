// Readable failure output for the program's types.
#pragma once

#include "common/LineBuffer.h"

#include <ostream>

namespace fw {

inline void PrintTo(const LineBuffer& lines, std::ostream* os) {
  *os << "{";
  for (std::size_t i = 0; i < lines.size(); ++i)
    *os << (i ? ", " : "") << '"' << lines.at(static_cast<std::int64_t>(i)) << '"';
  *os << "}";
}

} // namespace fw
