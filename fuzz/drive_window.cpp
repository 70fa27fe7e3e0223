#include "drive_window.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/text_sample.h"
#include "parser/save_analyse.h"
#include "saveio/codepage.h"
#include "ui/form.h"

namespace varnak::fuzz {
namespace {

class SilentHost : public ui::FormHost {
 public:
  std::optional<std::string> ChooseSaveFile() override { return std::nullopt; }
  void ShowError(const std::string&) override {}
  void ShowWarning(const std::string&) override {}
};

// The save's texts as the views show them: the code page chosen from them, and
// every code page a user may choose instead.
void ShowTextsInEveryCodePage(const SaveImage& image, const GameModel& m) {
  // The image's first bytes as texts too, whatever they hold.
  const size_t imageLength = std::min(image.Bytes.size(), static_cast<size_t>(std::max(0, image.ImageLength)));
  const std::string_view raw(reinterpret_cast<const char*>(image.Bytes.data()),
                             std::min(imageLength, kDetectionBytes));
  (void)DetectCodePage(std::span(&raw, 1));
  std::u16string units(raw.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(static_cast<uint8_t>(raw[2 * i]) | static_cast<uint8_t>(raw[2 * i + 1]) << 8);
  (void)Utf16ToUtf8(units);
  const std::vector<std::string_view> texts = SampleSaveTexts(m);
  (void)DetectCodePage(texts);
  (void)DetectSaveCodePage(m);
  std::string shown;
  for (CodePage page : kCodePages) {
    shown.clear();
    AppendUtf8(raw, page, shown);
    for (std::string_view text : texts) AppendUtf8(text, page, shown);
    for (const TReplayMsgRec& rec : m.ReplayLog) AppendUtf8(rec.Text, page, shown);
  }
}

}  // namespace

void DriveWindow(const SaveImage& image) {
  SilentHost host;
  ui::TForm1 form(host);
  std::unique_ptr<GameModel> model = SaveAnalyse(image, GameScoreFactors{});
  ShowTextsInEveryCodePage(image, *model);
  form.ShowLoadedModel(std::move(model), "fuzz.sav", "2026-01-01 00:00:00");
  // Every view once more through the events a user has.
  form.UserCheck("ShowAICheckBox", true);
  form.UserCheck("ShowCombatsCheckBox", true);
  form.UserCheck("ShowCityEventsCheckBox", true);
  for (int entry = 0; entry < 8; ++entry) form.UserSelect("GraphSelect", entry);
  const int players = static_cast<int>(form.PlayerInfoSelect.Items.size());
  for (int p = -1; p <= players; ++p) {
    form.UserSelect("PlayerInfoSelect", p);
    form.UserSelect("PlayerLogSelect", p);
    form.UserSelect("AttLeaderSel1", p);
    form.UserSelect("AttLeaderSel2", players - 1 - p);
  }
  // The map in every mode, its plots described at the corners and beyond, every city
  // sorted and opened.
  for (int mode = -1; mode <= 3; ++mode) form.UserSelect("WorldMapModeSelect", mode);
  const ui::MapPicture& picture = form.WorldMap.Picture;
  for (int32_t x : {-1, 0, picture.Width / 2, picture.Width - 1, picture.Width})
    for (int32_t y : {-1, 0, picture.Height / 2, picture.Height - 1, picture.Height}) (void)form.PlotDescription(x, y);
  for (const ui::MapCity& city : form.WorldMap.Cities) (void)form.PlotDescription(city.X, city.Y);
  for (int column = -1; column <= 8; ++column) form.UserSortGrid("CitiesGrid", column);
  for (int row = 0; row <= std::min(form.CitiesGrid.Rows, 64); ++row) form.UserOpenCity(row);
  form.UserLeave("DiffCoeffE");
  form.UserLeave("OrdoPopCurrE");
  form.UserEdit("Edit11", "  0");
  // Every view's texts once more in each code page a user may choose, then in the one
  // the detection chose.
  for (ui::TextEncoding encoding : ui::kTextEncodings) {
    if (encoding != ui::TextEncoding::Auto) form.UserChooseEncoding(encoding);
  }
  form.UserChooseEncoding(ui::TextEncoding::Auto);
}

}  // namespace varnak::fuzz
