// The analyzer until its desktop window exists: loads a save into the window and
// prints what the window shows, control by control.
#include <iostream>
#include <string>
#include <type_traits>

#include "app/window_report.h"
#include "ui/form.h"

namespace {

class ConsoleHost : public varnak::ui::FormHost {
 public:
  explicit ConsoleHost(std::string file) : file_(std::move(file)) {}
  std::optional<std::string> ChooseSaveFile() override { return file_; }
  void ShowError(const std::string& message) override { std::cerr << "Error: " << message << "\n"; }
  void ShowWarning(const std::string& message) override { std::cerr << "Warning: " << message << "\n"; }

 private:
  std::string file_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace varnak::ui;
  if (argc != 2) {
    std::cerr << "usage: varnak-analyzer SAVE\n";
    return 2;
  }
  ConsoleHost host(argv[1]);
  TForm1 form(host);
  form.UserLoad();
  if (!form.LastLoad().Ok) return 1;
  std::cout << form.Caption << "\n";
  form.ForEachControl([&](std::string_view name, auto& c) {
    using C = std::decay_t<decltype(c)>;
    if constexpr (std::is_same_v<C, EditControl> || std::is_same_v<C, LabelControl>) {
      if (!c.Text.empty()) std::cout << name << ": " << c.Text << "\n";
    } else if constexpr (std::is_same_v<C, ListControl>) {
      for (const auto& item : c.Items) std::cout << name << ": " << item << "\n";
    } else if constexpr (std::is_same_v<C, LogControl>) {
      for (const auto& line : c.Lines) std::cout << name << ": " << line.Text << "\n";
    } else if constexpr (std::is_same_v<C, GridControl>) {
      for (int r = 0; r < c.Rows; ++r) {
        std::cout << name << ":";
        for (int col = 0; col < c.Columns; ++col) std::cout << " | " << c.Cell(col, r);
        std::cout << "\n";
      }
    }
  });
  return 0;
}
