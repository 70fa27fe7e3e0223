// The map section of a fixture save: the map header, the plot records, the lists after them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "support/byte_writer.h"

namespace varnak::fixture {

inline constexpr uint8_t kNoOwner = 255;  // the game writes "no player" (-1) as one byte

// One plot record. The lists the analyzer passes over are empty unless a test
// gives them elements; their elements are written with running values.
struct PlotFixture {
  int16_t X = 0;
  int16_t Y = 0;
  uint8_t Owner = kNoOwner;
  int16_t PlotType = 2;      // Flat
  int16_t TerrainType = 0;   // Grassland
  int16_t FeatureType = -1;  // none
  int16_t BonusType = -1;    // none

  // Element counts of the twelve lists with a one-byte count, in file order.
  std::array<uint8_t, 12> ByteCountLists{};
  UText Text;                 // the record's one text
  int32_t ShortList = 0;      // int32 count, then that many int16
  // Lists of blocks with a one-byte count: one entry per block, giving the block's
  // own int32 count (of bytes, resp. int16); a count of 0 or less writes no elements.
  std::vector<int32_t> ByteBlocks;
  std::vector<int32_t> ShortBlocks;
  int32_t PairList = 0;       // int32 count, then that many pairs of int32
};

struct MapFixture {
  int32_t Width = 8;
  int32_t Height = 6;
  int32_t LandTileCount = 48;
  int32_t OwnedTileCount = 0;
  int32_t LatitudeA = 90;
  int32_t LatitudeB = -90;
  uint8_t WrapX = 1;
  uint8_t WrapY = 0;

  // The plot records in file order. Unset: Width x Height flat grassland plots
  // nobody owns, row by row. Set (even to an empty list): exactly these records,
  // whatever Width and Height say.
  std::optional<std::vector<PlotFixture>> Plots;

  // The lists after the plots: a count c (written as given, then max(c, 0) values
  // after four fixed ones) and a count of large records.
  int32_t ClosingListCount = 3;
  int32_t ClosingRecordCount = 1;
  // When set, written as the first count instead of ClosingListCount (whose
  // values still follow): a count that does not match the data.
  std::optional<int32_t> ClosingListCountField;

  // The record at column x, row y (the first one, if several), laid out first as
  // the default grid when no records are set. Set Width and Height before calling;
  // the reference lasts until the next At or Add.
  PlotFixture& At(int x, int y);
  // Appends a record after the others (the default grid, when none are set):
  // extra records, repeated coordinates or coordinates off the map.
  PlotFixture& Add(const PlotFixture& plot);
  // The default grid of the current Width and Height.
  std::vector<PlotFixture> DefaultPlots() const;
};

// Bytes of a plot record whose lists are all empty and whose text is empty.
inline constexpr size_t kEmptyPlotRecordBytes = 111;
// Bytes of one of the large records after the plots.
inline constexpr size_t kClosingRecordBytes = 7953;

// Also starts the numbering of the team records that follow it (see WriteTeam).
void WriteMap(ByteWriter& w, const MapFixture& map);

}  // namespace varnak::fixture
