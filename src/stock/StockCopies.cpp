#include "stock/StockCopies.h"

#include <array>
#include <cstddef>

namespace fw::stock {
namespace embedded {
extern const char handling[], vehicles[], carcols[];
extern const std::size_t handling_size, vehicles_size, carcols_size;
} // namespace embedded

std::string_view bytesOf(FileKind k) {
  switch (k) {
  case FileKind::Vehicles: return {embedded::vehicles, embedded::vehicles_size};
  case FileKind::Carcols: return {embedded::carcols, embedded::carcols_size};
  case FileKind::Handling: break;
  }
  return {embedded::handling, embedded::handling_size};
}

const LineBuffer& copyOf(FileKind k) {
  static const std::array<LineBuffer, 3> copies = {
      LineBuffer::fromBytes(std::string(bytesOf(FileKind::Handling))),
      LineBuffer::fromBytes(std::string(bytesOf(FileKind::Vehicles))),
      LineBuffer::fromBytes(std::string(bytesOf(FileKind::Carcols)))};
  return copies[indexOf(k)];
}

} // namespace fw::stock
