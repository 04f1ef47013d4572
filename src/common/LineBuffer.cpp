#include "common/LineBuffer.h"


namespace fw {

LineBuffer LineBuffer::fromBytes(std::string_view bytes) {
  LineBuffer out;
  // Counting first spares the vector its regrowth, which moves every line read so far.
  std::size_t ends = 1;
  for (char c : bytes) ends += c == '\n' || c == '\r';
  out.lines_.reserve(ends);
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  while (p < end) {
    const char* stop = p;
    while (stop < end && *stop != '\r' && *stop != '\n') ++stop;
    out.lines_.emplace_back(p, stop);
    if (stop < end && *stop == '\r' && stop + 1 < end && stop[1] == '\n') ++stop;
    p = stop + 1;
  }
  return out;
}

std::string LineBuffer::toBytes() const {
  std::size_t total = 0;
  for (const auto& line : lines_) total += line.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

const std::string& LineBuffer::at(std::int64_t index) const {
  static const std::string none;
  if (index < 0 || static_cast<std::uint64_t>(index) >= lines_.size()) return none;
  return lines_[static_cast<std::size_t>(index)];
}

void LineBuffer::insert(std::size_t index, std::string line) {
  if (index > lines_.size()) index = lines_.size();
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

void LineBuffer::erase(std::size_t index) {
  if (index < lines_.size()) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace fw
