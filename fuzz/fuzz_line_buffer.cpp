// A data file of any bytes goes through a line buffer: no line keeps a line end, the save ends
// every line with CR LF, and what was saved loads back to the same lines.
#include "Check.h"
#include "common/LineBuffer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const fw::LineBuffer buffer = fw::LineBuffer::fromBytes(input);
  const std::string saved = buffer.toBytes();
  std::size_t bytes = 0;
  for (std::string_view line : buffer.views()) {
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos, "a line holds no CR or LF");
    bytes += line.size() + 2;
  }
  FUZZ_CHECK(saved.size() == bytes, "the save is the lines, each with CR LF");
  FUZZ_CHECK(input.find_first_not_of("\r\n") == std::string::npos || !buffer.empty(), "text makes a line");
  FUZZ_CHECK(fw::LineBuffer::fromBytes(saved) == buffer, "the saved bytes load back to the same lines");
  FUZZ_CHECK(buffer.at(-1).empty() && buffer.at(static_cast<std::int64_t>(buffer.size())).empty(),
             "an index outside reads as empty");
  fw::LineBuffer edited = buffer; // copies share the loaded bytes
  edited.insert(buffer.size() / 2, input);
  if (!edited.empty()) edited.erase(0);
  FUZZ_CHECK(buffer.toBytes() == saved, "editing a copy leaves the original alone");
  return 0;
}
