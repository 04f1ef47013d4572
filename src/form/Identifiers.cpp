#include "form/Identifiers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace fw::form {

Identifiers::Identifiers(std::span<const std::string_view> ids) : slots_(std::bit_ceil(2 * ids.size() + 2)) {
  ahead(ids, [&](std::string_view id, std::uint64_t hash) {
    Slot& slot = slots_[find(id, hash)];
    if (slot.at) return;
    slot = {static_cast<std::uint32_t>(hash >> 32), static_cast<std::uint32_t>(store_.size() + 1)};
    store_.push_back(static_cast<char>(std::min<std::size_t>(id.size(), 255)));
    store_.append(id.substr(0, 255));
  });
}

std::vector<bool> Identifiers::contain(std::span<const std::string_view> ids) const {
  std::vector<bool> known;
  known.reserve(ids.size());
  ahead(ids, [&](std::string_view id, std::uint64_t hash) { known.push_back(slots_[find(id, hash)].at); });
  return known;
}

bool Identifiers::contains(std::string_view id) const { return slots_[find(id, hashOf(id))].at; }

// Identifiers are short: their first and last eight bytes and their length tell them apart.
std::uint64_t Identifiers::hashOf(std::string_view id) {
  std::uint64_t head = 0, tail = 0;
  std::memcpy(&head, id.data(), std::min<std::size_t>(id.size(), 8));
  if (id.size() > 8) std::memcpy(&tail, id.data() + id.size() - 8, 8);
  std::uint64_t h = head ^ std::rotl(tail, 29) ^ id.size();
  // Every bit of the input moves every bit of the hash (MurmurHash3's finaliser).
  h = (h ^ (h >> 33)) * 0xFF51AFD7ED558CCDull;
  h = (h ^ (h >> 33)) * 0xC4CEB9FE1A85EC53ull;
  return h ^ (h >> 33);
}

template <class Visit> void Identifiers::ahead(std::span<const std::string_view> ids, Visit visit) const {
  constexpr std::size_t kAhead = 8;
  std::array<std::uint64_t, kAhead> hashes{};
  for (std::size_t i = 0; i < ids.size() + kAhead; ++i) {
    std::uint64_t& hash = hashes[i % kAhead];
    if (i >= kAhead) visit(ids[i - kAhead], hash);
    if (i < ids.size()) {
      hash = hashOf(ids[i]);
      __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
    }
  }
}

// The id's slot, or the empty one where it would go. Identifiers of over 255 bytes, which the game
// does not have, are told apart by their first 255.
std::size_t Identifiers::find(std::string_view id, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const auto tag = static_cast<std::uint32_t>(hash >> 32);
  id = id.substr(0, 255);
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (!slot.at || (slot.tag == tag && static_cast<unsigned char>(store_[slot.at - 1]) == id.size() &&
                     std::string_view(store_).substr(slot.at, id.size()) == id))
      return i;
  }
}

} // namespace fw::form
