#include "GeneratedGame.h"

#include <filesystem>
#include <fstream>

namespace fw::bench {
namespace {

std::string filler(const char* pattern, std::size_t i) {
  char line[160];
  std::snprintf(line, sizeof line, pattern, i, i, i);
  return line;
}

void put(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

GeneratedGame generateGame(std::size_t n) {
  GeneratedGame g;
  g.handling = "; generated handling\r\nADMIRAL 1700.0 2.2 0.0 0.0 -0.2 5 0.75 0.85 0.52 5 200.0\r\n";
  g.vehicles = "# generated\r\ncars\r\nadmiral,\tadmiral,\tcar,\tADMIRAL,\tADMIRAL,\tnull,\tnormal\r\n";
  g.carcols = "# generated\r\ncol\r\n0,0,0\r\nend\r\ncar\r\nadmiral,\t1,1,\t2,2,\t3,3\r\n";
  for (std::size_t i = 0; i + 4 < n; ++i) {
    g.handling += filler("FILL%07zu 1500.0 2.5 0.0 0.0 -0.1 5 0.80 0.80 0.50 5 180.0 25.0 %zu\r\n", i);
    g.vehicles += filler("fill%07zu,\tfill%07zu,\tcar,\tFILL%07zu,\tnull,\tnormal\r\n", i);
    g.carcols += filler("fill%07zu,\t%zu,1,\t2,2\r\n", i);
  }
  g.handling += ";------- bikes\r\n;------- boats\r\n";
  g.vehicles += "end\r\ntxdp\r\nend\r\n";
  g.carcols += "end\r\ncar4\r\nend\r\n";
  return g;
}

void writeGame(const std::string& dir, const GeneratedGame& game) {
  std::filesystem::path root(dir);
  put(root / "common/data/handling.dat", game.handling);
  put(root / "common/data/vehicles.ide", game.vehicles);
  put(root / "common/data/carcols.dat", game.carcols);
  for (const char* d : {"backup/handling", "backup/vehicles", "backup/carcols"})
    std::filesystem::create_directories(root / d);
}

} // namespace fw::bench
