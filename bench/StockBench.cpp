// fleetwick-cli status and the changes window's list: the three data files read and every stock
// vehicle's lines compared with the stock copies. On the stock files; on the generated folders, where
// every scan crosses every line and only ADMIRAL of the stock vehicles has lines (the worst case: a
// lookup that finds nothing crosses each file twice); and on the stock files with a filler of made-up
// vehicles after the stock ones, so that each lookup crosses the filler to find its vehicle.
#include "GeneratedGame.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "stock/Changes.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {

std::string stockFile(fw::FileKind k) {
  std::ifstream in(FLEETWICK_SOURCE_DIR "/data/" + std::string(fw::kindInfo(k).fileName), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The stock file with `lines` lines of made-up vehicles put before its line `before`.
std::string withFiller(fw::FileKind k, const std::string& before, std::size_t lines) {
  std::string file = stockFile(k), filler;
  for (std::size_t i = 0; i < lines; ++i) {
    const std::string n = std::to_string(i);
    if (k == fw::FileKind::Handling)
      filler += "FILL" + n + " 1500.0 2.5 85 0 0 -0.1 0.5 5 0.2 1 180.0\r\n";
    else if (k == fw::FileKind::Vehicles)
      filler += "fill" + n + ",\tfill" + n + ",\tcar,\tFILL" + n + ",\tnull,\tSTD,\tnull,\t10,\t999\r\n";
    else
      filler += "fill" + n + ",\t1,1,\t2,2\r\n";
  }
  return file.insert(file.find("\r\n" + before + "\r\n") + 2, filler);
}

// 0: the stock files themselves; a negative number: the stock files with that many lines of filler
// each; a positive one: generated files of that many lines.
std::string gameFolder(std::int64_t lines) {
  static std::map<std::int64_t, std::string> made;
  std::string& dir = made[lines];
  if (dir.empty()) {
    dir = fw::bench::temporaryFolder();
    const auto filler = static_cast<std::size_t>(lines < 0 ? -lines : 0);
    fw::bench::writeGame(dir, lines > 0 ? fw::bench::generateGame(static_cast<std::size_t>(lines))
                                        : fw::bench::GeneratedGame{
                                              withFiller(fw::FileKind::Handling, ";------- bikes", filler),
                                              withFiller(fw::FileKind::Vehicles, "# bikes", filler),
                                              withFiller(fw::FileKind::Carcols, "car4", filler)});
  }
  return dir;
}

void Status(benchmark::State& state) {
  std::filesystem::current_path(gameFolder(state.range(0)));
  std::size_t changed = 0;
  for (auto _ : state) {
    std::array<fw::LineBuffer, 3> files;
    for (fw::FileKind k : fw::kFileKinds)
      files[fw::indexOf(k)] = fw::loadLines(fw::FilePath::relative(fw::kindInfo(k).relativeFile));
    changed = fw::stock::changesAgainstStock(files).size();
  }
  state.counters["vehicles changed"] = static_cast<double>(changed);
  if (state.range(0) <= 0 && changed) state.SkipWithError("the stock lines differ from the stock copies");
}

} // namespace

// Status/-100000: the stock files with 100,000 lines of filler each.
BENCHMARK(Status)->Arg(0)->Arg(400)->Arg(100000)->Arg(-100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
