#include "GeneratedGame.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace fw::bench {
namespace {

template <class... Numbers> std::string filler(const char* pattern, Numbers... numbers) {
  char line[240];
  std::snprintf(line, sizeof line, pattern, numbers...);
  return line;
}

void put(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

// Every line in the form the stock files document, so that the files check clean.
GeneratedGame generateGame(std::size_t n) {
  GeneratedGame g;
  g.handling =
      "; generated handling\r\n"
      "ADMIRAL 1400.0 3.1 85 -0.01 -0.10 -0.17 0.0 5 0.20 1.4 165.2 0.99 0.49 0.84 30.0 1.54 1.08 19.2 "
      "0.12 0.49 3.11 1.37 1.47 0.12 -0.13 0.01 0.52 0.11 0.64 0.84 0.92 1.35 0.31 36000 200010 21000\r\n";
  g.vehicles =
      "# generated\r\ncars\r\nadmiral,\tadmiral,\tcar,\tADMIRAL,\tADMIRAL,\tSTD,\tnull,\t100,\t999,\t0.3098,"
      "\t0.3098,\t-1,\t2.0,\t1,\t0\r\n";
  g.carcols = "# generated\r\ncol\r\n0,0,0\r\n20,20,20\r\n40,40,40\r\n60,60,60\r\nend\r\ncar\r\n"
              "admiral,\t1,1,\t2,2,\t3,3\r\n";
  for (std::size_t i = 0; i + 4 < n; ++i) {
    g.handling +=
        filler("FILL%07zu 1500.0 2.5 85 0 0 -0.1 0.5 5 0.2 1 180.0 0.8 0.5 0.5 35 1.5 1.2 20 0.1 0.5 2 1 1.5 "
               "0.1 -0.1 0 0.5 0.1 0.8 1 1 1.5 0.3 %zu 0 0\r\n",
               i, i);
    g.vehicles +=
        filler("fill%07zu,\tfill%07zu,\tcar,\tFILL%07zu,\tnull,\tSTD,\tnull,\t10,\t999,\t0.3,\t0.3,\t-1,"
               "\t1.0,\t3,\t0\r\n",
               i, i, i);
    g.carcols += filler("fill%07zu,\t%zu,1,\t2,2\r\n", i, i % 4);
  }
  g.handling += ";------- bikes\r\n;------- boats\r\n";
  g.vehicles += "end\r\ntxdp\r\nend\r\n";
  g.carcols += "end\r\ncar4\r\nend\r\n";
  return g;
}

std::string temporaryFolder() {
  static struct Made {
    std::vector<std::string> folders;
    ~Made() {
      for (const std::string& folder : folders)
        std::filesystem::remove_all(folder);
    }
  } made;
  std::string pattern = (std::filesystem::temp_directory_path() / "fleetwick-bench-XXXXXX").string();
  made.folders.push_back(mkdtemp(pattern.data()));
  return made.folders.back();
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
