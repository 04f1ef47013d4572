// Picking a mod's lines out of a 10 MiB read-me for BANSHEE of the stock files: its bytes decoded and
// every line looked at. Prose with numbers of its own (UTF-8, and the same in Windows-1251), and a
// whole handling.dat's worth of vehicles' lines, each of which has the shape the reader looks for.
#include "common/Cp1251.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "common/TextDecoding.h"
#include "form/ModText.h"
#include "records/Lookup.h"

#include <benchmark/benchmark.h>

namespace {

std::string readMe(std::int64_t kind) {
  const std::string prose = kind == 2
                                ? "ADMIRAL          1400.0   3.1   85 -0.01 -0.10 -0.17  0.0  5  0.20  1.4  "
                                  "165.2  0.99  0.49  0.84  30.0  1.54  1.08  19.2  0.12  0.49  3.11  1.37  "
                                  "1.47  0.12  -0.13  0.01  0.52  0.11  0.64  0.84  0.92  1.35  0.31   36000 "
                                  "   200010     21000\r\n"
                                : "1. Замените модели через Crateview, версия 1.3, 4 МБ; then copy the files "
                                  "to the game's folder, step 2 of 7.\r\n";
  std::string text;
  while (text.size() < (std::size_t{10} << 20))
    text += kind == 1 ? fw::cp1251::fromUtf8(prose) : prose;
  return text +
         "BANSHEE 1450.0 1.7 85 0.01 0.02 -0.09 0.5 6 0.32 1.2 206.9 1.13 0.49 0.86 33.0 1.69 1.28 17.4 "
         "0.10 0.47 1.61 1.34 1.78 0.09 -0.13 0.02 0.49 0.05 0.85 0.92 1.36 1.62 0.22 140500 210001 "
         "2020004\r\n";
}

void ModReadMe(benchmark::State& state) {
  fw::MainState s;
  for (fw::FileKind k : fw::kFileKinds)
    s.file(k).lines = fw::loadLines(
        fw::FilePath::chosenByUser(FLEETWICK_SOURCE_DIR "/data/" + std::string(fw::kindInfo(k).fileName)));
  fw::lookUpEntry(s, fw::Category::Car, "BANSHEE");
  const std::string bytes = readMe(state.range(0));
  for (auto _ : state) {
    const fw::form::ModReading r = fw::form::readMod(s, fw::text::decode(bytes).text);
    if (!r[0].taken) state.SkipWithError("BANSHEE's line was not found");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

} // namespace

// 0: prose in UTF-8, 1: the same in Windows-1251, 2: vehicles' handling lines.
BENCHMARK(ModReadMe)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
