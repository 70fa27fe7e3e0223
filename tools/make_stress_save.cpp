// Writes the stress save that the benchmarks load: every table near the size a long,
// crowded game reaches (see tests/support/stress_save.h). It is made at build time
// and not kept in the repository:
//
//   cmake --build build/bench --target make-stress-save
//   build/bench/tools/make-stress-save stress-game.sav
#include <cstdio>

#include "support/stress_save.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-stress-save OUTPUT\n");
    return 2;
  }
  varnak::fixture::WriteFile(argv[1], varnak::fixture::WriteSaveFile(varnak::fixture::StressSave()));
  return 0;
}
