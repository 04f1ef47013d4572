// Whole flows on generated game folders: start-up, a lookup, then for each open row a write and the
// restore of its backup. Whatever the files and the typed text:
// - a write replaces the line the lookup found and no other, and that line was the vehicle's own
//   (its first field is the vehicle's name);
// - restoring the backup the write made gives the data file back byte for byte;
// - a refused write leaves the data file as it was;
// - the check of the files and of a typed line names only lines there are;
// - a reset to stock puts the stock line back in a file whose line differed, and then the
//   vehicle's line of that file no longer differs;
// - nothing crashes, leaks or reads out of bounds (the sanitizers).
#include "Game.h"
#include "common/FileKinds.h"
#include "records/Catalogue.h"
#include "stock/Reset.h"

#include <cstdint>
#include <cstdlib>

using namespace fw;

namespace {

// Each byte of the input decides the next choice; an exhausted input decides 0.
struct Choices {
  const std::uint8_t* at;
  std::size_t left;
  unsigned next(unsigned range) { return left ? (--left, *at++ % range) : 0; }
  std::string text(unsigned longest, bool lineBreaks) {
    std::string out;
    for (unsigned n = next(longest); n > 0 && left; --n) {
      const char c = static_cast<char>(next(256));
      if (lineBreaks || (c != '\r' && c != '\n')) out += c;
    }
    return out;
  }
};

void require(bool holds) {
  if (!holds) std::abort();
}

// A data file of the vehicle's own lines and other vehicles' (of the category's first entries, some
// with a name that holds another), markers and stray text, mostly ended by the marker of the part
// the lookup searches, each line ended by CR LF.
std::string dataFile(Choices& in, FileKind k, Category c, const catalogue::Entry& vehicle) {
  const auto entries = catalogue::entries(c);
  std::string out;
  for (unsigned n = in.next(16) + 1; n > 0; --n) {
    const catalogue::Entry& e =
        in.next(2) ? entries[in.next(std::min<unsigned>(entries.size(), 12))] : vehicle;
    const std::string name = k == FileKind::Handling ? std::string(e.text) : std::string(e.model);
    switch (in.next(4)) {
    case 0:
      out += k == FileKind::Vehicles && !e.ideSearch.empty() ? std::string(e.ideSearch)
                                                             : name + ",\t" + name + ",";
      out += " " + in.text(6, false);
      break;
    case 1: out += name + in.text(3, false); break; // another name that begins as this one
    case 2: out += sectionMarkers(Category::Car)[in.next(3)]; break;
    default: out += in.text(12, false);
    }
    out += "\r\n";
  }
  if (const char* marker = sectionMarkers(c)[indexOf(k)]; marker && in.next(8) != 7)
    out += std::string(marker) + "\r\n";
  return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static test::Game game(test::testData("small"));
  Choices in{data, size};
  const Category c = kCategories[in.next(4)];
  const auto entries = catalogue::entries(c);
  const catalogue::Entry& vehicle = entries[in.next(std::min<unsigned>(entries.size(), 12))];
  std::filesystem::remove_all(game.folder.path("backup"));
  for (const char* dir : {"backup/handling", "backup/vehicles", "backup/carcols"})
    game.folder.makeDir(dir);
  for (FileKind k : kFileKinds)
    game.folder.write("common/data/" + std::string(kindInfo(k).fileName), dataFile(in, k, c, vehicle));
  const std::string text = in.next(8) != 7 ? std::string(vehicle.text) : in.text(10, false);
  require(game.start().empty());
  // The check of the files names only lines they have; a row's verdict only the typed line.
  form::checkFiles({game.s.files[0].lines, game.s.files[1].lines, game.s.files[2].lines}, [&](const auto& f) {
    require(f.line >= 1 && f.line <= static_cast<std::int64_t>(game.s.file(f.file).lines.size()));
  });
  if (!game.lookUp(text, c).empty()) return 0; // a file without its section marker: no row opens
  for (FileKind k : kFileKinds) {
    DataFileState& f = game.s.file(k);
    if (!f.writeButton.enabled) continue;
    const std::string path = "common/data/" + std::string(kindInfo(k).fileName);
    const std::string before = game.folder.read(path);
    const LineBuffer old = LineBuffer::fromBytes(before);
    const std::int64_t index = std::stoll(f.lineIndex);
    const std::string typed = in.text(8, true);
    for (const form::Finding& finding : checkTyped(game.s, k, typed).findings)
      require(finding.line == 0);
    if (!game.write(k, typed).empty()) {
      require(game.folder.read(path) == before);
      continue;
    }
    const LineBuffer now = LineBuffer::fromBytes(game.folder.read(path));
    require(now.size() == old.size());
    for (std::size_t i = 0; i < old.size(); ++i)
      require(static_cast<std::int64_t>(i) == index ||
              now.at(static_cast<std::int64_t>(i)) == old.at(static_cast<std::int64_t>(i)));
    const std::string_view line = old.at(index);
    const auto* entry = catalogue::find(c, text);
    const std::string owner = k == FileKind::Handling ? text.substr(0, text.find_last_not_of(' ') + 1)
                                                      : std::string(entry ? entry->model : "");
    require(line.substr(0, line.find_first_of(", \t")) == owner);
    require(game.restore(k, f.backupNames.items.front()).empty());
    require(game.folder.read(path) == before);
  }
  // One file a flow: a reset's writes are those above again.
  const FileKind reset[] = {kFileKinds[in.next(3)]};
  stock::ResetPlan plan = stock::planReset(game.s, c, text, reset);
  const std::vector<stock::FileReset> files = plan.files;
  if (!test::Game::run([&] { stock::resetToStock(game.s, std::move(plan), game.services); }).empty())
    return 0;
  for (const stock::FileReset& f : files) {
    if (f.step != stock::ResetStep::Write) continue;
    const std::string path = "common/data/" + std::string(kindInfo(f.kind).fileName);
    require(LineBuffer::fromBytes(game.folder.read(path)).at(f.change.index) == f.change.stock);
    for (const stock::LineChange& l : stock::changesOf(game.s, c))
      require(l.kind != f.kind);
  }
  return 0;
}
