// A mod's text of any bytes, read for a stock vehicle of each kind of row: nothing crashes, leaks or
// hangs, and every line the reader takes for a file is a line of the text, with the name it carries
// and its values in it.
#include "Game.h"
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/TextDecoding.h"
#include "form/ModText.h"

#include <cstdint>
#include <cstdlib>

using namespace fw;

namespace {

void require(bool holds) {
  if (!holds) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static test::Game* game = [] {
    auto* g = new test::Game(FLEETWICK_SOURCE_DIR "/data");
    g->start();
    return g;
  }();
  static const std::pair<const char*, Category> kVehicles[] = {{"BANSHEE", Category::Car},
                                                               {"CONTENDER", Category::Car},
                                                               {"ZOMBIE", Category::Bike},
                                                               {"TUG", Category::Boat}};
  if (size == 0) return 0;
  const auto& [label, category] = kVehicles[data[0] % 4];
  selectCategory(game->s, category);
  require(game->lookUp(label, category).empty());
  form::ModReading r;
  std::u16string text;
  try {
    text = text::decode({reinterpret_cast<const char*>(data) + 1, size - 1}).text;
    r = form::readMod(game->s, text);
  } catch (const Error&) {
    return 0;
  }
  // The text's lines as the reader numbers them: in Windows-1251, a character the code page lacks as '?'.
  const LineBuffer lines = LineBuffer::fromBytes(cp1251::encodeMarked(text).bytes);
  for (const form::ModFile& f : r) {
    require(f.open || f.lines.empty());
    for (const form::ModLine& l : f.lines) {
      require(l.line >= 1 && static_cast<std::size_t>(l.line) <= lines.size());
      const std::string_view line = lines.at(l.line - 1);
      require(line.find(l.name) != line.npos && line.find(l.values) != line.npos);
    }
    if (!f.lines.empty()) form::valuesOf(game->s, r), form::linesNamed(r, f.lines.back().name);
  }
  return 0;
}
