// The identifiers of handling.dat's lines, for vehicles.ide's handling column. A million of them
// lie far apart in memory: they are copied one after the other into a store of their own, found
// through a table of small slots, and taken and looked up in bulk, each a few ahead of its turn,
// so that the memory of the next is on its way while one is compared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fw::form {

class Identifiers {
public:
  explicit Identifiers(std::span<const std::string_view> ids);
  // Whether each of the ids is one of them, in their order.
  std::vector<bool> contain(std::span<const std::string_view> ids) const;
  bool contains(std::string_view id) const;

private:
  struct Slot {
    std::uint32_t tag = 0; // the hash's upper half
    std::uint32_t at = 0;  // 1 + where the identifier's length byte is in the store; 0: empty
  };
  static std::uint64_t hashOf(std::string_view id);
  template <class Visit> void ahead(std::span<const std::string_view> ids, Visit visit) const;
  std::size_t find(std::string_view id, std::uint64_t hash) const;

  std::vector<Slot> slots_;
  std::string store_;
};

} // namespace fw::form
