#include "common/LineBuffer.h"

#include <algorithm>

namespace fw {

LineBuffer::LineBuffer(std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines)
    append(std::string(line));
}

LineBuffer::LineBuffer(const std::vector<std::string>& lines) {
  lines_.reserve(lines.size());
  for (const std::string& line : lines)
    append(line);
}

LineBuffer LineBuffer::fromBytes(std::string bytes) {
  LineBuffer out;
  out.storage_ = std::make_shared<Storage>();
  out.storage_->loaded = std::move(bytes);
  std::string_view all = out.storage_->loaded;
  // Counting first spares the vector its regrowth.
  out.lines_.reserve(static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n')) +
                     static_cast<std::size_t>(std::count(all.begin(), all.end(), '\r')) + 1);
  std::size_t from = 0;
  while (from < all.size()) {
    std::size_t stop = all.find_first_of("\r\n", from);
    if (stop == std::string_view::npos) stop = all.size();
    out.lines_.push_back(all.substr(from, stop - from));
    if (stop + 1 < all.size() && all[stop] == '\r' && all[stop + 1] == '\n') ++stop;
    from = stop + 1;
  }
  return out;
}

std::string LineBuffer::toBytes() const {
  std::size_t total = 0;
  for (std::string_view line : lines_)
    total += line.size() + 2;
  std::string out;
  out.reserve(total);
  for (std::string_view line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::string_view LineBuffer::at(std::int64_t index) const {
  if (index < 0 || static_cast<std::uint64_t>(index) >= lines_.size()) return {};
  return lines_[static_cast<std::size_t>(index)];
}

std::vector<std::string> LineBuffer::lines() const { return {lines_.begin(), lines_.end()}; }

std::string_view LineBuffer::keep(std::string line) {
  if (!storage_) storage_ = std::make_shared<Storage>();
  return storage_->added.emplace_back(std::move(line));
}

void LineBuffer::append(std::string line) { lines_.push_back(keep(std::move(line))); }

void LineBuffer::insert(std::size_t index, std::string line) {
  index = std::min(index, lines_.size());
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), keep(std::move(line)));
}

void LineBuffer::erase(std::size_t index) {
  if (index < lines_.size()) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

bool LineBuffer::operator==(const LineBuffer& other) const {
  return std::equal(lines_.begin(), lines_.end(), other.lines_.begin(), other.lines_.end());
}

} // namespace fw
