// An ordered list of 8-bit text lines, kept as bytes from load to save.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class LineBuffer {
public:
  LineBuffer() = default;
  LineBuffer(std::initializer_list<std::string> lines) : lines_(lines) {}
  explicit LineBuffer(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // A line ends at CR LF, at a lone CR or at a lone LF; a final line end adds no empty line.
  static LineBuffer fromBytes(std::string_view bytes);
  // Every line followed by CR LF.
  std::string toBytes() const;

  std::size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  // An index outside the buffer reads as empty text.
  const std::string& at(std::int64_t index) const;

  void clear() { lines_.clear(); }
  void append(std::string line) { lines_.push_back(std::move(line)); }
  void insert(std::size_t index, std::string line);
  void erase(std::size_t index);

  const std::vector<std::string>& lines() const { return lines_; }
  bool operator==(const LineBuffer&) const = default;

private:
  std::vector<std::string> lines_;
};

} // namespace fw
