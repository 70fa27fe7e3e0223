// The saves opened last, newest first, as File > Open Recent lists them.
#pragma once

#include <string>
#include <vector>

namespace varnak::ui {

class RecentFiles {
 public:
  static constexpr size_t kMax = 10;

  RecentFiles() = default;
  // A list as it was kept; repeats and entries past kMax are dropped.
  explicit RecentFiles(const std::vector<std::string>& paths);

  // `path` (UTF-8) was opened: it goes first, once.
  void Opened(const std::string& path);
  // Takes out the saves that no longer exist and returns them, for a word to the user.
  std::vector<std::string> DropMissing();

  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  std::vector<std::string> paths_;
};

}  // namespace varnak::ui
