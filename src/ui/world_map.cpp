#include "ui/world_map.h"

#include <algorithm>

#include "reference/reference_tables.h"

namespace varnak::ui {
namespace {

constexpr size_t kPlotTypes = reference::kPlotTypeCount;
constexpr size_t kTerrains = reference::kTerrainCount;
constexpr size_t kFeatures = reference::kFeatureCount;
constexpr size_t kFeatureSlots = kFeatures + 1;  // slot 0: no feature
constexpr size_t kKnownLooks = kPlotTypes * kTerrains * kFeatureSlots;
constexpr size_t kUnknownLook = kKnownLooks;

constexpr int16_t kPeak = 0;
constexpr int16_t kHill = 1;

// Grassland, Plains, Desert, Tundra, Snow, Coast, Ocean, Peak, Hill.
constexpr Color kTerrainColours[kTerrains] = {
    {92, 158, 58},  {184, 172, 86}, {236, 214, 150}, {146, 138, 116}, {246, 246, 250},
    {84, 152, 214}, {28, 66, 148},  {112, 102, 96},  {150, 118, 74},
};
// Ice, Jungle, Oasis, Flood Plains, Forest, Fallout.
constexpr Color kFeatureColours[kFeatures] = {
    {214, 240, 255}, {12, 92, 70}, {48, 206, 196}, {166, 206, 52}, {26, 104, 30}, {150, 52, 150},
};
constexpr Color kPeakColour{104, 94, 90};
constexpr Color kHillTint{112, 80, 40};
constexpr Color kFadeTowards{236, 236, 230};

// `a` over `b` with weight `w` of 0..256.
Color Mix(Color a, Color b, int w) {
  auto one = [w](uint8_t x, uint8_t y) { return static_cast<uint8_t>((x * w + y * (256 - w) + 128) / 256); };
  return {one(a.R, b.R), one(a.G, b.G), one(a.B, b.B)};
}

Color LookColour(size_t plotType, size_t terrain, size_t featureSlot) {
  Color c = kTerrainColours[terrain];
  if (featureSlot > 0) c = Mix(kFeatureColours[featureSlot - 1], c, 180);
  if (plotType == kHill) c = Mix(kHillTint, c, 120);
  if (plotType == kPeak) c = Mix(kPeakColour, c, 210);
  return c;
}

bool Among(Color c, std::span<const Color> set) { return std::find(set.begin(), set.end(), c) != set.end(); }

}  // namespace

bool KindOfResource(int32_t code, ResourceKind& kind) {
  // Aluminum .. Uranium, Banana .. Wheat, Dye .. Whale, Drama .. Movies.
  if (code < 0 || code >= static_cast<int32_t>(reference::kBonusCount)) return false;
  kind = code < 9 ? ResourceKind::Strategic
         : code < 20 ? ResourceKind::Food
         : code < 32 ? ResourceKind::Luxury
                     : ResourceKind::Culture;
  return true;
}

Color ResourceKindColour(ResourceKind kind) {
  switch (kind) {
    case ResourceKind::Strategic: return {214, 16, 16};
    case ResourceKind::Food: return {255, 144, 0};
    case ResourceKind::Luxury: return {150, 0, 214};
    case ResourceKind::Culture: return {0, 56, 255};
  }
  return kUnknownCodeColour;
}

MapPalette::MapPalette(std::span<const Color, kSlotCount> playerColours) {
  std::copy(playerColours.begin(), playerColours.end(), players_.begin());
  terrain_.resize(kKnownLooks + 1);
  for (size_t p = 0; p < kPlotTypes; ++p)
    for (size_t t = 0; t < kTerrains; ++t)
      for (size_t f = 0; f < kFeatureSlots; ++f) terrain_[(p * kTerrains + t) * kFeatureSlots + f] = LookColour(p, t, f);
  terrain_[kUnknownLook] = kUnknownCodeColour;

  // The marks of the other two pictures must never be mistaken for faded terrain:
  // a faded colour that meets one moves a step in blue until it meets none.
  std::vector<Color> marks(players_.begin(), players_.end());
  for (int k = 0; k < kResourceKinds; ++k) marks.push_back(ResourceKindColour(static_cast<ResourceKind>(k)));
  marks.push_back(kUnknownCodeColour);
  faded_.resize(terrain_.size());
  for (size_t i = 0; i < terrain_.size(); ++i) {
    Color c = Mix(terrain_[i], kFadeTowards, 128);
    const int step = c.B < 128 ? 1 : -1;
    while (Among(c, marks)) c.B = static_cast<uint8_t>(c.B + step);
    faded_[i] = c;
  }
}

size_t MapPalette::Look(const TPlotRec& plot) {
  const auto p = static_cast<uint16_t>(plot.PlotType);  // negatives become large
  const auto t = static_cast<uint16_t>(plot.TerrainType);
  const size_t f = plot.FeatureType < 0 ? 0 : static_cast<size_t>(plot.FeatureType) + 1;
  if (p >= kPlotTypes || t >= kTerrains || f >= kFeatureSlots) return kUnknownLook;
  return (p * kTerrains + t) * kFeatureSlots + f;
}

Color MapPalette::Resource(const TPlotRec& plot) const {
  if (plot.BonusType < 0) return Faded(plot);
  ResourceKind kind{};
  return KindOfResource(plot.BonusType, kind) ? ResourceKindColour(kind) : kUnknownCodeColour;
}

Color MapPalette::Of(MapMode mode, const TPlotRec& plot) const {
  switch (mode) {
    case MapMode::Political: return Political(plot);
    case MapMode::Terrain: return Terrain(plot);
    case MapMode::Resources: return Resource(plot);
  }
  return kUnknownCodeColour;
}

MapPicture DrawMapPicture(const PlotGrid& plots, MapMode mode, const MapPalette& palette) {
  MapPicture picture;
  picture.Width = plots.Columns;
  picture.Height = plots.Rows;
  picture.Rgb.resize(plots.Cells.size() * 3);
  uint8_t* out = picture.Rgb.data();
  for (int32_t y = plots.Rows - 1; y >= 0; --y) {
    for (int32_t x = 0; x < plots.Columns; ++x) {
      const Color c = palette.Of(mode, plots.At(y, x));
      *out++ = c.R;
      *out++ = c.G;
      *out++ = c.B;
    }
  }
  return picture;
}

namespace {

void AddFadedTerrain(std::vector<LegendEntry>& legend, const MapPalette& palette, const char* whose) {
  for (size_t t = 0; t < kTerrains; ++t) {
    const TPlotRec flat{t < 5 || t > 6 ? int16_t{2} : int16_t{3}, static_cast<int16_t>(t), -1, -1};
    legend.push_back({std::string(reference::TerrainNames[t]) + whose, palette.Faded(flat)});
  }
  const TPlotRec unknown{-1, -1, -1, -1};
  legend.push_back({std::string("Unknown code") + whose, palette.Faded(unknown)});
}

}  // namespace

std::vector<LegendEntry> MapLegend(MapMode mode, const MapPalette& palette,
                                   const std::vector<NamedPlayer>& players) {
  std::vector<LegendEntry> legend;
  switch (mode) {
    case MapMode::Political:
      for (const NamedPlayer& p : players)
        if (ValidSlot(p.Slot)) legend.push_back({p.Name, palette.Players()[static_cast<size_t>(p.Slot)]});
      AddFadedTerrain(legend, palette, ", nobody's");
      break;
    case MapMode::Terrain: {
      for (size_t t = 0; t < kTerrains; ++t) {
        const TPlotRec flat{t == 5 || t == 6 ? int16_t{3} : int16_t{2}, static_cast<int16_t>(t), -1, -1};
        legend.push_back({std::string(reference::TerrainNames[t]), palette.Terrain(flat)});
      }
      legend.push_back({"Mountain plot", palette.Terrain(TPlotRec{kPeak, 0, -1, -1})});
      legend.push_back({"Hill plot (on grassland)", palette.Terrain(TPlotRec{kHill, 0, -1, -1})});
      for (size_t f = 0; f < kFeatures; ++f) {
        const TPlotRec featured{2, 0, static_cast<int16_t>(f), -1};
        legend.push_back({std::string(reference::FeatureNames[f]) + " (on grassland)", palette.Terrain(featured)});
      }
      legend.push_back({"Unknown code", kUnknownCodeColour});
      break;
    }
    case MapMode::Resources:
      legend.push_back({"Strategic resource", ResourceKindColour(ResourceKind::Strategic)});
      legend.push_back({"Food resource", ResourceKindColour(ResourceKind::Food)});
      legend.push_back({"Luxury resource", ResourceKindColour(ResourceKind::Luxury)});
      legend.push_back({"Culture resource", ResourceKindColour(ResourceKind::Culture)});
      legend.push_back({"Unknown resource", kUnknownCodeColour});
      AddFadedTerrain(legend, palette, ", no resource");
      break;
  }
  return legend;
}

}  // namespace varnak::ui
