// The lookup and the whole write path on generated game folders, and the copy of the same data
// file beside them, so that the write path can be read as a multiple of a plain copy.
#include "GeneratedGame.h"
#include "backup/RecordWriter.h"
#include "backup/Restore.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "form/LineCheck.h"
#include "records/Lookup.h"
#include "records/Startup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace {

std::string gameFolder(std::size_t lines) {
  static std::map<std::size_t, std::string> made;
  auto& dir = made[lines];
  if (dir.empty()) {
    dir = fw::bench::temporaryFolder();
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

// ADMIRAL's values as the generated files hold them: the writes keep the files checking clean.
constexpr const char* kAdmiralValues =
    "1400.0 3.1 85 -0.01 -0.10 -0.17 0.0 5 0.20 1.4 165.2 0.99 0.49 0.84 30.0 1.54 "
    "1.08 19.2 0.12 0.49 3.11 1.37 1.47 0.12 -0.13 0.01 0.52 0.11 0.64 0.84 0.92 "
    "1.35 0.31 36000 200010 21000";

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
    game.s.file(fw::FileKind::Handling).input.text = kAdmiralValues;
    fw::writeLine(game.s, fw::FileKind::Handling, game.services);
  }
}

void Restore(benchmark::State& state) {
  Started game(static_cast<std::size_t>(state.range(0)));
  game.s.vehicleList(fw::Category::Car).text = "ADMIRAL";
  fw::lookUpVehicle(game.s, fw::Category::Car);
  game.s.file(fw::FileKind::Handling).input.text = kAdmiralValues;
  fw::writeLine(game.s, fw::FileKind::Handling, game.services);
  for (auto _ : state)
    fw::restoreLine(game.s, fw::FileKind::Handling, game.services);
}

std::array<fw::LineBuffer, 3> readFiles() {
  std::array<fw::LineBuffer, 3> files;
  for (fw::FileKind k : fw::kFileKinds)
    files[fw::indexOf(k)] = fw::loadLines(fw::FilePath::relative(fw::kindInfo(k).relativeFile));
  return files;
}

// The yardstick of the check: reading the three files as the check does.
void ReadFiles(benchmark::State& state) {
  std::filesystem::current_path(gameFolder(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state)
    benchmark::DoNotOptimize(readFiles());
}

// fleetwick-cli check and the menu's check: the files read and every line judged.
void ReadAndCheckFiles(benchmark::State& state) {
  std::filesystem::current_path(gameFolder(static_cast<std::size_t>(state.range(0))));
  std::size_t findings = 0;
  for (auto _ : state)
    fw::form::checkFiles(readFiles(), [&](const fw::form::Finding&) { ++findings; });
  if (findings) state.SkipWithError("the generated files do not check clean");
}

// What each keystroke in an input row costs: the row's verdict, on the stock files, for a whole
// line of BANSHEE's own values (the vehicles.ide row looks its handling identifier up).
void RowVerdict(benchmark::State& state) {
  const auto k = static_cast<fw::FileKind>(state.range(0));
  fw::MainState s;
  for (fw::FileKind each : fw::kFileKinds)
    s.file(each).lines = fw::loadLines(
        fw::FilePath::chosenByUser(FLEETWICK_SOURCE_DIR "/data/" + std::string(fw::kindInfo(each).fileName)));
  s.vehicleList(fw::Category::Car).text = "BANSHEE";
  fw::lookUpVehicle(s, fw::Category::Car);
  std::string typed(s.file(k).lines.at(std::stoll(s.file(k).lineIndex)));
  for (int own = k == fw::FileKind::Vehicles ? 2 : 1; own-- > 0;)
    typed.erase(0, typed.find(k == fw::FileKind::Handling ? ' ' : ',') + 1);
  std::size_t findings = 0;
  for (auto _ : state)
    findings += fw::checkTyped(s, k, typed).findings.size();
  if (findings) state.SkipWithError("BANSHEE's own line does not check clean");
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
BENCHMARK(ReadFiles)->Arg(400)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndCheckFiles)->Arg(400)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RowVerdict)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(Restore)->Arg(400)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
