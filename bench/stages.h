// The steps of opening a save, each a superset of the one before, so that a
// benchmark of one step over the benchmark of the floor is what the step costs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"

namespace varnak::gui {
class MainWindow;
}

namespace varnak::bench {

// The least any load has to do: read the file into a buffer and inflate its stream
// with one call into a buffer that is already there. The buffers are kept from one
// call to the next. The inflater is zlib's `uncompress`, or the one the load uses
// (libdeflate where the build has it).
class Floor {
 public:
  enum class With { Zlib, LoadsInflater };
  explicit Floor(With with = With::Zlib) : with_(with) {}

  // The number of bytes inflated; aborts the program when the file is no save.
  size_t Run(const std::string& path);

 private:
  With with_;
  std::vector<uint8_t> file_;
  std::vector<uint8_t> joined_;
  std::unique_ptr<uint8_t[]> body_;
  size_t bodyCapacity_ = 0;
};

// The container and the parser: LoadSaveFile, then SaveAnalyse, handing back the
// image and the replaced model as the window does.
class Load {
 public:
  // The number of replay records read, so that the work cannot be optimised away.
  size_t Run(const std::string& path);

 private:
  std::unique_ptr<GameModel> model_;
};

// A form host that answers nothing and fails the run on any message: the saves the
// benchmarks load must open cleanly.
class QuietHost : public ui::FormHost {
 public:
  std::optional<std::string> ChooseSaveFile() override { return std::nullopt; }
  void ShowError(const std::string& message) override;
  void ShowWarning(const std::string& message) override;
};

// The headless window's whole load: what "Load File" runs once the file is chosen.
void HeadlessLoad(ui::TForm1& form, const std::string& path);

// The desktop window as the program starts it: created, shown offscreen and painted.
std::unique_ptr<gui::MainWindow> StartDesktopWindow();
// The desktop window's load: "Load File" once its dialog has given the file (the load,
// the page shown rendered), until that page is painted: what a user waits for before
// the save is on the screen.
void LoadIntoDesktopWindow(gui::MainWindow& window, const std::string& path);
// Shows every page of the window in turn and paints it.
void PaintEveryPage(gui::MainWindow& window);

// Drops the offscreen platform's note, at every layout change, that it keeps no size hints.
void QuietenOffscreenPlatform();

// Fails the run with `what` when `ok` is false.
void Require(bool ok, const std::string& what);

}  // namespace varnak::bench
