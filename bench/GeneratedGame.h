// Game folders of any size for the benchmarks: the stock vehicles' lines at the top of each
// section, a filler of made-up vehicles up to the wanted line count, the markers after them, so
// that every scan has to cross the whole file.
#pragma once

#include <cstddef>
#include <string>

namespace fw::bench {

struct GeneratedGame {
  std::string handling, vehicles, carcols; // file contents, CR LF
};

GeneratedGame generateGame(std::size_t linesPerFile);
// A new folder under the system's temporary folder, removed with all it holds when the program ends.
std::string temporaryFolder();
// Writes the game's files and the backup folders under dir.
void writeGame(const std::string& dir, const GeneratedGame& game);

} // namespace fw::bench
