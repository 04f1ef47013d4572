// A data file of any bytes goes through a line buffer and comes out with CR LF after every line
// and nothing else changed; the saved bytes load back to the same lines.
#include "Check.h"
#include "common/LineBuffer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// The bytes a save must give, worked out one byte at a time: each line end of any of the three
// kinds becomes CR LF, and a last line without one gets it.
std::string expectedSave(std::string_view in, std::size_t& lineCount) {
  std::string out;
  bool openLine = false;
  lineCount = 0;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const char c = in[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      ++lineCount;
      openLine = false;
      if (c == '\r' && i + 1 < in.size() && in[i + 1] == '\n') ++i;
    } else {
      out += c;
      openLine = true;
    }
  }
  if (openLine) {
    out += "\r\n";
    ++lineCount;
  }
  return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const fw::LineBuffer buffer = fw::LineBuffer::fromBytes(input);
  const std::string saved = buffer.toBytes();

  std::size_t lineCount = 0;
  FUZZ_CHECK(saved == expectedSave(input, lineCount), "saved bytes are the input with every line end CR LF");
  FUZZ_CHECK(buffer.size() == lineCount, "one line per line end, plus an unterminated last line");
  FUZZ_CHECK(buffer.empty() == (buffer.size() == 0), "empty() agrees with size()");

  const auto views = buffer.views();
  for (std::size_t i = 0; i < views.size(); ++i) {
    FUZZ_CHECK(views[i].find_first_of("\r\n") == std::string_view::npos, "a line holds no CR or LF");
    FUZZ_CHECK(buffer.at(static_cast<std::int64_t>(i)) == views[i], "at() reads the same line");
  }
  FUZZ_CHECK(buffer.at(-1).empty(), "an index before the buffer reads as empty");
  FUZZ_CHECK(buffer.at(static_cast<std::int64_t>(buffer.size())).empty(),
             "an index past the end reads as empty");

  const fw::LineBuffer reloaded = fw::LineBuffer::fromBytes(saved);
  FUZZ_CHECK(reloaded == buffer, "the saved bytes load back to the same lines");
  FUZZ_CHECK(reloaded.toBytes() == saved, "a second save gives the same bytes");
  FUZZ_CHECK(fw::LineBuffer(buffer.lines()) == buffer, "lines copied one by one make the same buffer");

  // Copies share the loaded bytes; editing one must leave the other as it was.
  fw::LineBuffer edited = buffer;
  edited.append(input);
  edited.insert(buffer.size() / 2, std::string(input, 0, size / 2));
  if (!edited.empty()) edited.erase(0);
  FUZZ_CHECK(buffer.toBytes() == saved, "editing a copy leaves the original alone");
  return 0;
}
