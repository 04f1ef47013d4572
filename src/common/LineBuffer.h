// An ordered list of 8-bit text lines, kept as bytes from load to save.
// Lines are views into storage the buffer shares with its copies: a loaded file stays one block
// of bytes, so a million-line file costs one allocation and a copy of the buffer costs little.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace fw {

class LineBuffer {
public:
  LineBuffer() = default;
  LineBuffer(std::initializer_list<std::string_view> lines);
  explicit LineBuffer(const std::vector<std::string>& lines);

  // A line ends at CR LF, at a lone CR or at a lone LF; a final line end adds no empty line.
  static LineBuffer fromBytes(std::string bytes);
  static LineBuffer fromBytes(platform::FileBytes bytes);
  // Every line followed by CR LF.
  std::string toBytes() const;

  std::size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  // An index outside the buffer reads as empty text.
  std::string_view at(std::int64_t index) const;
  std::span<const std::string_view> views() const { return lines_; }
  std::vector<std::string> lines() const;

  void clear() { lines_.clear(); }
  void append(std::string line);
  void insert(std::size_t index, std::string line);
  void erase(std::size_t index);

  bool operator==(const LineBuffer& other) const;

private:
  // Bytes that lines point into: loaded files, and lines added one by one (a deque never moves
  // its elements, so views of them stay valid).
  struct Storage {
    std::string text;
    platform::FileBytes file;
    std::deque<std::string> added;
  };
  void split(std::string_view all);
  std::string_view keep(std::string line);

  std::vector<std::string_view> lines_;
  std::shared_ptr<Storage> storage_;
};

} // namespace fw
