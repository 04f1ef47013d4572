#include "common/LineBuffer.h"

#include <algorithm>
#include <cstring>

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
  out.storage_->text = std::move(bytes);
  out.split(out.storage_->text);
  return out;
}

LineBuffer LineBuffer::fromBytes(platform::FileBytes bytes) {
  LineBuffer out;
  out.storage_ = std::make_shared<Storage>();
  out.storage_->file = std::move(bytes);
  out.split(out.storage_->file.view());
  return out;
}

void LineBuffer::split(std::string_view all) {
  const char* p = all.data();
  const char* const end = p + all.size();
  // Counting first spares the vector its regrowth; lone carriage returns are rare enough to be
  // left to it. memchr counts far faster than a byte loop.
  std::size_t feeds = 0;
  for (const char* at = p;
       (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)))); ++at)
    ++feeds;
  lines_.reserve(feeds + 1);
  // memchr finds the line feeds fast; carriage returns are then looked for only inside a line.
  while (p < end) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* stop = lf ? lf : end;
    // A carriage return right before the line feed belongs to it; any other ends a line.
    const char* body = lf && stop > p && stop[-1] == '\r' ? stop - 1 : stop;
    while (const void* cr = std::memchr(p, '\r', static_cast<std::size_t>(body - p))) {
      const char* at = static_cast<const char*>(cr);
      lines_.emplace_back(p, static_cast<std::size_t>(at - p));
      p = at + 1;
    }
    if (lf || p < end) lines_.emplace_back(p, static_cast<std::size_t>(body - p));
    p = stop + 1;
  }
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
