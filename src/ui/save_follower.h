// Following a folder that a game writes its saves into: which save is newest, whether
// it is whole, and loading it into the window with the user's choices kept.
//
// The desktop only watches the folder and calls Follow when something there changed
// (and again after a pause when asked to); every decision is made here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace varnak::ui {

class TForm1;

// One look at a file: a save the game is still writing changes size or time between looks.
struct SaveSighting {
  std::string Path;  // UTF-8
  uintmax_t Size = 0;
  int64_t Modified = 0;  // the file system's clock, only compared
  friend bool operator==(const SaveSighting&, const SaveSighting&) = default;
};

// The newest save (".sav", any case) of the folder at `folder` (UTF-8): the latest
// modification time, the greater name among equal times. Nothing when it holds none
// or cannot be read.
std::optional<SaveSighting> NewestSave(const std::string& folder);

struct FollowResult {
  bool Loaded = false;       // a newer save is now shown
  bool LookAgain = false;    // the newest save is not settled yet: look again after a pause
  std::string Status;        // for the status bar; empty when there is nothing new to say
  std::optional<std::string> Report;  // a save that stays unloadable, told to the user once
};

class SaveFollower {
 public:
  // Follows `folder`; `shown` is the save the window shows now, if any, so that it is
  // not loaded again.
  SaveFollower(std::string folder, const std::optional<std::string>& shown);

  const std::string& Folder() const { return folder_; }

  // Looks at the folder and loads its newest save into `form` once it is whole: its
  // size and time are the same at two looks in a row and it loads without a fault. A
  // save that fails is tried again silently while it changes; one that fails again
  // unchanged is reported, once. A successful load keeps the players chosen in the
  // player selectors where the new save has them (the chart's choice and the check
  // boxes outlive any load).
  FollowResult Follow(TForm1& form);

 private:
  std::string folder_;
  std::optional<SaveSighting> shown_;     // loaded, or shown when following began
  std::optional<SaveSighting> lastLook_;  // the newest save at the last look
  std::optional<SaveSighting> failed_;    // tried whole-looking, and it did not load
  std::string failure_;                   // why not
  std::optional<SaveSighting> reported_;  // told to the user already
};

}  // namespace varnak::ui
