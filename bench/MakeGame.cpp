// make_game DIR LINES: a game folder of generated files with LINES lines each.
#include "GeneratedGame.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_game DIR LINES\n");
    return 2;
  }
  fw::bench::writeGame(argv[1], fw::bench::generateGame(std::strtoull(argv[2], nullptr, 10)));
  return 0;
}
