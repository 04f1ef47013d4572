// The lookup and the whole write path on generated game folders, and the copy of the same data
// file beside them, so that the write path can be read as a multiple of a plain copy.
#include "GeneratedGame.h"
#include "backup/RecordWriter.h"
#include "backup/Restore.h"
#include "common/Files.h"
#include "records/Lookup.h"
#include "records/Startup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <unistd.h>

namespace {

std::string gameFolder(std::size_t lines) {
  static std::map<std::size_t, std::string> made;
  auto& dir = made[lines];
  if (dir.empty()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "fleetwick-bench-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    fw::bench::writeGame(dir, fw::bench::generateGame(lines));
  }
  return dir;
}

struct Started {
  fw::MainState s;
  fw::Services services;
  fw::LineBuffer viewer;
  explicit Started(std::size_t lines) {
    std::filesystem::current_path(gameFolder(lines));
    fw::constructMainState(s);
    services.timestamp = [] { return std::string("06.12.2026 10:00:00"); };
    // A hidden viewer keeps a copy of the lines it is given, as this does.
    services.reloadViewer = [this](fw::FileKind, const fw::LineBuffer& lines) { viewer = lines; };
  }
};

void Lookup(benchmark::State& state) {
  Started game(static_cast<std::size_t>(state.range(0)));
  game.s.vehicleList(fw::Category::Car).text = "ADMIRAL";
  for (auto _ : state)
    fw::lookUpVehicle(game.s, fw::Category::Car);
  if (!game.s.file(fw::FileKind::Carcols).record.found) state.SkipWithError("the lookup missed");
}

void WritePath(benchmark::State& state) {
  Started game(static_cast<std::size_t>(state.range(0)));
  game.s.vehicleList(fw::Category::Car).text = "ADMIRAL";
  fw::lookUpVehicle(game.s, fw::Category::Car);
  for (auto _ : state) {
    game.s.file(fw::FileKind::Handling).input.text = "1700.0 2.2 0.0";
    fw::writeLine(game.s, fw::FileKind::Handling, game.services);
  }
}

void Restore(benchmark::State& state) {
  Started game(static_cast<std::size_t>(state.range(0)));
  game.s.vehicleList(fw::Category::Car).text = "ADMIRAL";
  fw::lookUpVehicle(game.s, fw::Category::Car);
  fw::writeLine(game.s, fw::FileKind::Handling, game.services);
  for (auto _ : state)
    fw::restoreLine(game.s, fw::FileKind::Handling, game.services);
}

void CopyDataFile(benchmark::State& state) {
  const std::string dir = gameFolder(static_cast<std::size_t>(state.range(0)));
  const std::string command = "cp '" + dir + "/common/data/handling.dat' '" + dir + "/copy.dat'";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
}

} // namespace

BENCHMARK(Lookup)->Arg(400)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(WritePath)->Arg(400)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyDataFile)->Arg(400)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(Restore)->Arg(400)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
