// Inside the platform layer only: what its POSIX and Windows rooms share. Lines gathered into large
// writes, the names of the writers' temporary files, and the one way of waiting for what another
// program or copy holds.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <thread>

namespace fw::platform::shared {

// Gathers the lines and their ends into large writes, so that a file of a million lines needs
// neither a million writes nor a copy of itself in memory.
template <class Write>
bool writeLines(std::span<const std::string_view> lines, std::string_view lineEnd, Write write) {
  constexpr std::size_t kChunk = 1 << 20;
  std::string chunk;
  chunk.reserve(kChunk);
  for (std::string_view line : lines) {
    if (chunk.size() + line.size() + lineEnd.size() > kChunk) {
      if (!write(std::string_view(chunk))) return false;
      chunk.clear();
    }
    if (line.size() + lineEnd.size() > kChunk) {
      if (!write(line)) return false;
    } else {
      chunk += line;
    }
    chunk += lineEnd;
  }
  return chunk.empty() || write(std::string_view(chunk));
}

// A write's temporary file lies beside its target and is named after it and the program, so that
// nothing but this program's own leftovers ever matches: "." + target + ".fleetwick-" + six letters
// or digits. The dot hides it from a listing on POSIX only.
inline constexpr std::string_view kTemporaryMark = ".fleetwick-";
inline constexpr std::size_t kTemporaryRandom = 6;
// The temporary's name without its six random characters.
std::string temporaryStem(std::string_view targetName);
bool isTemporaryName(std::string_view name);

// What one try at something another program or copy may hold came to.
enum class Attempt { Done, Held, Failed };

// Tries until the attempt is done or fails for another reason than a hold, or until `patience` has
// passed; answers the last try's outcome (Held: still held when the patience ran out).
template <class Try> Attempt retryWhileHeld(std::chrono::milliseconds patience, Try attempt) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    const Attempt outcome = attempt();
    if (outcome != Attempt::Held || std::chrono::steady_clock::now() >= deadline) return outcome;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

// One try at an exclusive lock on an open file (a descriptor, a HANDLE): Held while another
// holder has it, Failed when the file or its file system refuses it.
Attempt tryExclusiveLock(std::intptr_t handle);

} // namespace fw::platform::shared
