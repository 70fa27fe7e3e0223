#include "ui/save_follower.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

#include "saveio/platform.h"
#include "ui/form.h"

namespace varnak::ui {
namespace {

namespace fs = std::filesystem;

bool IsSaveName(const fs::path& path) {
  std::string ext = Utf8FromPath(path.extension());
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext == ".sav";
}

std::optional<SaveSighting> Sight(const fs::path& path) {
  std::error_code error;
  const uintmax_t size = fs::file_size(path, error);
  if (error) return std::nullopt;
  const fs::file_time_type time = fs::last_write_time(path, error);
  if (error) return std::nullopt;
  return SaveSighting{Utf8FromPath(path), size,
                      static_cast<int64_t>(time.time_since_epoch().count())};
}

std::string FileName(const std::string& path) { return Utf8FromPath(PathFromUtf8(path).filename()); }

// The player chosen in each player selector, by slot and name: a reload writes the
// selectors anew and chooses the first player in each.
class PlayerChoices {
 public:
  explicit PlayerChoices(const TForm1& form) {
    for (size_t b = 0; b < kBoxes.size(); ++b) {
      const SelectControl& box = form.*kBoxes[b];
      if (box.Selected < 0) continue;
      chosen_[b] = {form.SelectorPlayers[static_cast<size_t>(box.Selected)],
                    box.Items[static_cast<size_t>(box.Selected)]};
    }
  }

  // Chooses each player again, through the selector's own handler, where the new
  // save has the same player in the same slot.
  void Restore(TForm1& form) const {
    for (size_t b = 0; b < kBoxes.size(); ++b) {
      if (!chosen_[b]) continue;
      const SelectControl& box = form.*kBoxes[b];
      for (size_t k = 0; k < box.Items.size(); ++k) {
        if (form.SelectorPlayers[k] != chosen_[b]->first || box.Items[k] != chosen_[b]->second) continue;
        if (box.Selected != static_cast<int>(k)) form.UserSelect(kNames[b], static_cast<int>(k));
        break;
      }
    }
  }

 private:
  static constexpr std::array<SelectControl TForm1::*, 4> kBoxes = {
      &TForm1::PlayerLogSelect, &TForm1::PlayerInfoSelect, &TForm1::AttLeaderSel1, &TForm1::AttLeaderSel2};
  static constexpr std::array<const char*, 4> kNames = {"PlayerLogSelect", "PlayerInfoSelect",
                                                        "AttLeaderSel1", "AttLeaderSel2"};
  std::array<std::optional<std::pair<int32_t, std::string>>, 4> chosen_;
};

}  // namespace

std::optional<SaveSighting> NewestSave(const std::string& folder) {
  std::error_code error;
  fs::directory_iterator it(PathFromUtf8(folder), error);
  if (error) return std::nullopt;
  std::optional<SaveSighting> newest;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    if (!it->is_regular_file(error) || !IsSaveName(it->path())) continue;
    const std::optional<SaveSighting> seen = Sight(it->path());
    if (!seen) continue;  // gone or unreadable since the listing
    if (!newest || seen->Modified > newest->Modified ||
        (seen->Modified == newest->Modified && seen->Path > newest->Path))
      newest = seen;
  }
  return newest;
}

SaveFollower::SaveFollower(std::string folder, const std::optional<std::string>& shown)
    : folder_(std::move(folder)) {
  if (shown) shown_ = Sight(PathFromUtf8(*shown));
}

FollowResult SaveFollower::Follow(TForm1& form) {
  FollowResult result;
  const std::optional<SaveSighting> newest = NewestSave(folder_);
  if (!newest || newest == shown_ || newest == reported_) {
    lastLook_ = newest;
    return result;
  }
  if (newest != lastLook_) {  // new, or still being written
    lastLook_ = newest;
    result.LookAgain = true;
    return result;
  }
  const std::string name = FileName(newest->Path);
  if (newest == failed_) {  // unchanged since it failed: it is what the game wrote
    reported_ = newest;
    result.Report = failure_;
    result.Status = "Following " + folder_ + ": " + name + " is damaged";
    return result;
  }
  const PlayerChoices choices(form);
  if (const std::optional<std::string> failure = form.LoadFileIfWhole(newest->Path)) {
    failed_ = newest;
    failure_ = *failure;
    result.LookAgain = true;
    return result;
  }
  choices.Restore(form);
  shown_ = newest;
  result.Loaded = true;
  result.Status = "Following " + folder_ + ": loaded the newer save " + name;
  return result;
}

}  // namespace varnak::ui
