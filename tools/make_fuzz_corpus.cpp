// Writes the fuzzers' seed corpora: fixture saves that reach every section of the
// body in its different layouts, and the inflated image of each of them and of
// every SAVE given, for the target that starts after inflate.
//   build/test/tools/make-fuzz-corpus SAVES_DIR IMAGES_DIR [SAVE...]
#include <cstdio>
#include <filesystem>
#include <string>

#include "saveio/save_loader.h"
#include "support/save_fixture.h"

using namespace varnak::fixture;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make-fuzz-corpus SAVES_DIR IMAGES_DIR [SAVE...]\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  const std::filesystem::path images = argv[2];
  std::filesystem::create_directories(dir);
  std::filesystem::create_directories(images);
  auto writeImage = [&](const std::filesystem::path& save) {
    const varnak::LoadedSave loaded = varnak::LoadSaveFile(save.string());
    if (!loaded.Ok) {
      std::fprintf(stderr, "%s\n", loaded.Error.c_str());
      return false;
    }
    WriteFile((images / save.filename()).replace_extension(".image").string(),
              std::vector<uint8_t>(loaded.Image.Bytes.begin(), loaded.Image.Bytes.end()));
    return true;
  };
  auto write = [&](const char* name, const SaveFixture& s) {
    WriteFile((dir / name).string(), WriteSaveFile(s));
    writeImage(dir / name);
  };
  SaveFixture basic = SaveFixture::Basic();
  write("basic.sav", basic);

  SaveFixture old = basic;
  old.Header.SaveVersion = 101;
  old.Header.SaveFlag = 0;
  old.Game.F = 0;
  old.Game.List35 = 2;
  old.Game.List38 = 3;
  old.Game.List40 = 2;
  for (auto& p : old.Players) p.Head.RecordFlag = 0;
  write("old-layout.sav", old);

  SaveFixture busy = basic;
  busy.Players[0].Tail.Units = {{0, "Warrior", ""}, {1, "Archer", ""}, {2, "Settler", "x"}};
  busy.Players[0].Tail.List12 = {1, 2};
  busy.Players[0].Tail.List13 = {{9, 10, 11}};
  busy.Players[0].Head.List49 = 2;
  busy.Players[0].Head.List50 = 2;
  busy.Players[1].Cities.resize(3);
  busy.Map.At(1, 1).Owner = 1;
  busy.Teams[0].BlockCounts = {2, 0, 1};
  busy.Teams[0].ListCount = 3;
  write("busy-lists.sav", busy);

  // The world pages' edge cases: owners from 19 up, codes no table has, cities on,
  // off and at the edge of the map.
  SaveFixture world = basic;
  world.Map.At(0, 0).Owner = 18;
  world.Map.At(1, 0).Owner = 19;
  auto& odd = world.Map.At(2, 0);  // codes beyond every table, an owner beyond the players
  odd.Owner = 254;
  odd.PlotType = 9;
  odd.TerrainType = 12;
  odd.FeatureType = 7;
  odd.BonusType = 40;
  world.Map.At(7, 5).BonusType = 34;
  world.Players[0].Cities[0].X = 7;
  world.Players[0].Cities[0].Y = 5;
  world.Players[0].Cities[1].X = -1;
  world.Players[0].Cities[1].Y = 600;
  write("world-edges.sav", world);

  SaveFixture restricted = basic;
  restricted.Header.AdminPassword = "admin";
  restricted.Header.Slots[0].Fifth = "locked";
  write("restricted.sav", restricted);

  bool ok = true;
  for (int i = 3; i < argc; ++i) ok = writeImage(argv[i]) && ok;
  return ok ? 0 : 1;
}
