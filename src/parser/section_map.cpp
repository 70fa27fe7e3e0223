#include <algorithm>

#include "model/wrapping.h"
#include "parser/list_readers.h"
#include "parser/sections.h"

namespace varnak::parser {
namespace {

constexpr int kResourceCount = 35;

// Bytes of one record of the list after the plots: nine int32, a flag, then per-team
// arrays (14 x 19, 19 pairs, 19 x 3, twice 19 x 41) and 35 + 25 int32.
constexpr int64_t kClosingRecordBytes =
    4 * (1 + 8) + 1 + 4 * (14 * 19 + 19 * 2 + 19 * 3 + 19 * 41 + 19 * 41 + 35 + 25);

// The plot table has room for 500 x 500 plots; of a larger map only that much is held.
int32_t HeldSide(int32_t side) { return std::clamp(side, 0, kPlotTableSide); }

// A list with a one-byte count (0..255) of fixed-size elements.
void SkipByteCountList(FieldReader& r, int64_t elementBytes) {
  const uint8_t n = r.ReadChar();
  r.Skip(int64_t{n} * elementBytes);
}

// A list with a one-byte count of blocks, each an int32 count m and m elements.
void SkipByteCountBlocks(FieldReader& r, int64_t elementBytes) {
  const uint8_t n = r.ReadChar();
  for (int i = 0; i < n && r.More(); ++i) {
    const int32_t m = r.ReadInt();
    if (m > 0) r.Skip(int64_t{m} * elementBytes);
  }
}

void ReadPlot(FieldReader& r, GameModel& m) {
  r.SkipInts(1);
  const int32_t x = r.ReadShort();
  const int32_t y = r.ReadShort();
  r.SkipInts(1);
  r.SkipShorts(6);
  r.SkipInts(1);
  r.SkipShorts(3);
  r.SkipBools(6);
  const uint8_t owner = r.ReadChar();
  TPlotRec plot;
  plot.Owner = owner;
  plot.PlotType = r.ReadShort();
  plot.TerrainType = r.ReadShort();
  plot.FeatureType = r.ReadShort();
  plot.BonusType = r.ReadShort();

  // A record cut off by the end of the data has no type codes to give.
  if (r.More()) {
    // Owners from 19 up (255 is "nobody") count nowhere, and only land is counted.
    if (owner < kSlotCount && plot.PlotType >= 0 && plot.PlotType <= 2)
      ++m.PlayerOwnedLand[owner];
    // Coordinates off the held grid have no cell; the record still counts above.
    if (m.PlotTable.Holds(x, y)) m.PlotTable.At(y, x) = plot;
  }

  r.SkipShorts(2);
  r.Skip(2);
  r.SkipInts(6);
  r.SkipShorts(3);
  for (int64_t elementBytes : {4, 2, 1, 4, 2, 2, 2, 1, 1, 1, 2, 2}) SkipByteCountList(r, elementBytes);
  r.SkipUStr();
  SkipFixedList(r, 2);
  SkipByteCountBlocks(r, 1);
  SkipByteCountBlocks(r, 2);
  SkipFixedList(r, 2 * 4);
}

}  // namespace

void ReadMap(ParseContext& ctx) {
  FieldReader& r = ctx.Reader;
  GameModel& m = ctx.Model;
  r.SetSection("the map header");

  r.SkipInts(1 + 2 * kBuildings + 5);
  m.MapWidth = r.ReadInt();
  m.MapHeight = r.ReadInt();
  m.LandTileCount = r.ReadInt();
  m.OwnedTileCount = r.ReadInt();
  m.LatitudeA = r.ReadInt();
  m.LatitudeB = r.ReadInt();
  (void)r.ReadInt();
  m.WrapX = r.ReadBool();
  m.WrapY = r.ReadBool();
  r.SkipInts(kResourceCount + kResourceCount);

  m.PlotCount = WrapMul(m.MapWidth, m.MapHeight);
  m.PlotTable.Resize(HeldSide(m.MapWidth), HeldSide(m.MapHeight));
  m.PlayerOwnedLand.fill(0);
  m.PlayerLandShare.fill(0.0);

  r.SetSection("the plot records");
  for (int32_t i = 0; i < m.PlotCount && r.More(); ++i) ReadPlot(r, m);

  if (m.LandTileCount > 0)
    for (size_t p = 0; p < kSlotCount; ++p)
      m.PlayerLandShare[p] = static_cast<double>(
          static_cast<long double>(m.PlayerOwnedLand[p]) * 100.0L / m.LandTileCount);

  r.SetSection("the lists after the plots");
  SkipListWithFour(r);
  SkipFixedList(r, kClosingRecordBytes);
}

}  // namespace varnak::parser
