// Writes the bundled sample save with the project's fixture writer.
#include <cstdio>
#include <string>

#include "support/save_fixture.h"

using namespace varnak::fixture;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-sample-save OUTPUT\n");
    return 2;
  }
  SaveFixture s = SaveFixture::Basic();
  s.Header.GameName = "Sample Game";
  s.Game.ElapsedTurns = 150;
  s.Game.Replay = {
      {0, {}, "Session 1 started", 2},
      {0, {}, "<color=0,255,0>Aurelia</color> founded Roma", 37},
      {3, {}, "Brennus founded Bibracte", 36},
      {48, {}, "Session 2 started", 2},
      {96, {}, "Aurelia adopted Monarchy", 2},
      {120, {}, "Session 3 started", 2},
  };
  s.Game.SessionCount = 3;
  WriteFile(argv[1], WriteSaveFile(s));
  return 0;
}
