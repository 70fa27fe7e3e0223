#include "support/fixture_map.h"

#include "support/fixture_teams.h"

namespace varnak::fixture {
namespace {

// Running, non-zero values for the fields the analyzer passes over.
class MapFiller {
 public:
  explicit MapFiller(ByteWriter& w) : w_(w) {}
  void Ints(int count) {
    for (int i = 0; i < count; ++i) w_.I32(next_++);
  }
  void Shorts(int count) {
    for (int i = 0; i < count; ++i) w_.I16(static_cast<int16_t>(next_++ % 30000 + 1));
  }
  void Bytes(int count) {
    for (int i = 0; i < count; ++i) w_.U8(static_cast<uint8_t>(next_++ % 200 + 1));
  }
  void Flags(int count) {
    for (int i = 0; i < count; ++i) w_.Bool(static_cast<uint8_t>(1 + (i % 2)));
  }

 private:
  ByteWriter& w_;
  int32_t next_ = 30000;
};

int AtLeastZero(int32_t n) { return n > 0 ? n : 0; }

// Element sizes of the twelve lists with a one-byte count, in file order.
constexpr int kByteCountListElement[12] = {4, 2, 1, 4, 2, 2, 2, 1, 1, 1, 2, 2};

void WritePlot(ByteWriter& w, MapFiller& fill, const PlotFixture& p) {
  fill.Ints(1);
  w.I16(p.X);
  w.I16(p.Y);
  fill.Ints(1);
  fill.Shorts(6);
  fill.Ints(1);
  fill.Shorts(3);
  fill.Flags(6);
  w.U8(p.Owner);
  w.I16(p.PlotType);
  w.I16(p.TerrainType);
  w.I16(p.FeatureType);
  w.I16(p.BonusType);
  fill.Shorts(2);
  fill.Bytes(2);
  fill.Ints(6);
  fill.Shorts(3);
  for (size_t k = 0; k < p.ByteCountLists.size(); ++k) {
    const uint8_t n = p.ByteCountLists[k];
    w.U8(n);
    switch (kByteCountListElement[k]) {
      case 4: fill.Ints(n); break;
      case 2: fill.Shorts(n); break;
      default: fill.Bytes(n); break;
    }
  }
  w.UStr(p.Text);
  w.I32(p.ShortList);
  fill.Shorts(AtLeastZero(p.ShortList));
  w.U8(static_cast<uint8_t>(p.ByteBlocks.size()));
  for (int32_t m : p.ByteBlocks) {
    w.I32(m);
    fill.Bytes(AtLeastZero(m));
  }
  w.U8(static_cast<uint8_t>(p.ShortBlocks.size()));
  for (int32_t m : p.ShortBlocks) {
    w.I32(m);
    fill.Shorts(AtLeastZero(m));
  }
  w.I32(p.PairList);
  fill.Ints(2 * AtLeastZero(p.PairList));
}

}  // namespace

std::vector<PlotFixture> MapFixture::DefaultPlots() const {
  std::vector<PlotFixture> plots;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      PlotFixture p;
      p.X = static_cast<int16_t>(x);
      p.Y = static_cast<int16_t>(y);
      plots.push_back(p);
    }
  return plots;
}

PlotFixture& MapFixture::At(int x, int y) {
  if (!Plots) Plots = DefaultPlots();
  for (PlotFixture& p : *Plots)
    if (p.X == x && p.Y == y) return p;
  PlotFixture p;
  p.X = static_cast<int16_t>(x);
  p.Y = static_cast<int16_t>(y);
  return Add(p);
}

PlotFixture& MapFixture::Add(const PlotFixture& plot) {
  if (!Plots) Plots = DefaultPlots();
  Plots->push_back(plot);
  return Plots->back();
}

void WriteMap(ByteWriter& w, const MapFixture& map) {
  RestartTeamNumbering();
  MapFiller fill(w);
  fill.Ints(1 + 159 + 159 + 5);
  w.I32(map.Width);
  w.I32(map.Height);
  w.I32(map.LandTileCount);
  w.I32(map.OwnedTileCount);
  w.I32(map.LatitudeA);
  w.I32(map.LatitudeB);
  fill.Ints(1);
  w.Bool(map.WrapX);
  w.Bool(map.WrapY);
  fill.Ints(35 + 35);

  for (const PlotFixture& p : map.Plots ? *map.Plots : map.DefaultPlots()) WritePlot(w, fill, p);

  w.I32(map.ClosingListCountField.value_or(map.ClosingListCount));
  fill.Ints(4 + AtLeastZero(map.ClosingListCount));
  w.I32(map.ClosingRecordCount);
  for (int i = 0; i < map.ClosingRecordCount; ++i) {
    fill.Ints(1 + 8);
    fill.Flags(1);
    fill.Ints(14 * 19 + 19 * 2 + 19 * 3 + 19 * 41 + 19 * 41 + 35 + 25);
  }
}

}  // namespace varnak::fixture
