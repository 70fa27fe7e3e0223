#include "ui/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "saveio/platform.h"

namespace varnak::ui {

RecentFiles::RecentFiles(const std::vector<std::string>& paths) {
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) Opened(*it);
}

void RecentFiles::Opened(const std::string& path) {
  if (path.empty()) return;
  std::erase(paths_, path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kMax) paths_.resize(kMax);
}

std::vector<std::string> RecentFiles::DropMissing() {
  std::vector<std::string> missing;
  std::erase_if(paths_, [&](const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_regular_file(PathFromUtf8(path), error)) return false;
    missing.push_back(path);
    return true;
  });
  return missing;
}

}  // namespace varnak::ui
