// The map as a picture: one RGB pixel per plot, north up, in one of three modes.
//
// Colours come from small palettes indexed by a plot's codes, so two plots with the
// same codes always look the same and a 500 x 500 map is one pass of table look-ups.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/game_model.h"
#include "ui/controls.h"

namespace varnak::ui {

enum class MapMode : int { Political, Terrain, Resources };
inline constexpr int kMapModeCount = 3;
inline constexpr std::array<const char*, kMapModeCount> kMapModeNames = {"Political", "Terrain",
                                                                        "Resources"};

// The colour of every code a plot table may hold, for each mode. Built from the
// players' colours, which the political picture uses exactly.
class MapPalette {
 public:
  explicit MapPalette(std::span<const Color, kSlotCount> playerColours);

  Color Terrain(const TPlotRec& plot) const { return terrain_[Look(plot)]; }
  // The terrain, faded: what the political and the resource pictures show under
  // their marks. None of these is a player's colour or a resource's.
  Color Faded(const TPlotRec& plot) const { return faded_[Look(plot)]; }
  Color Political(const TPlotRec& plot) const {
    return plot.Owner < kSlotCount ? players_[plot.Owner] : Faded(plot);
  }
  Color Resource(const TPlotRec& plot) const;
  Color Of(MapMode mode, const TPlotRec& plot) const;

  std::span<const Color, kSlotCount> Players() const { return players_; }

 private:
  // The palette entry of a plot's plot type, terrain and feature (a code outside its
  // table goes to the one "unknown" entry).
  static size_t Look(const TPlotRec& plot);

  std::array<Color, kSlotCount> players_{};
  std::vector<Color> terrain_;
  std::vector<Color> faded_;
};

// The resource kinds, by the resource table's order.
enum class ResourceKind : int { Strategic, Food, Luxury, Culture };
inline constexpr int kResourceKinds = 4;
// The kind of resource `code`; false for a code outside the table.
bool KindOfResource(int32_t code, ResourceKind& kind);
Color ResourceKindColour(ResourceKind kind);
// What a plot shows whose code no table has.
inline constexpr Color kUnknownCodeColour{255, 0, 255};

// The picture of the held plot table in `mode`: its top row is the table's last row.
MapPicture DrawMapPicture(const PlotGrid& plots, MapMode mode, const MapPalette& palette);

// What each colour of a picture in `mode` stands for. `players` lists the slots to name
// in political mode, with their names.
struct NamedPlayer {
  int32_t Slot;
  std::string Name;
};
std::vector<LegendEntry> MapLegend(MapMode mode, const MapPalette& palette,
                                   const std::vector<NamedPlayer>& players);

}  // namespace varnak::ui
