// What every fuzz target does when an invariant breaks: say which one and where, then abort, so
// that libFuzzer keeps the input as a crash artifact.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition, what)                                                                          \
  do {                                                                                                       \
    if (!(condition)) {                                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n  (%s)\n", __FILE__, __LINE__, what, #condition);   \
      std::abort();                                                                                          \
    }                                                                                                        \
  } while (false)
