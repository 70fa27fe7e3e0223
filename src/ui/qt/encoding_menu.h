// The "Text encoding" menu: which code page the save's texts are shown in. The window
// decides what each choice means; the menu shows the choice, hands the user's on, and
// keeps it between runs.
#pragma once

#include <QMenu>

#include <array>
#include <functional>

#include "ui/form.h"

class QAction;

namespace varnak::gui {

class EncodingMenu : public QMenu {
 public:
  // Each entry hands its encoding to `choose` and remembers it for the next run.
  EncodingMenu(QWidget* parent, std::function<void(ui::TextEncoding)> choose);

  // The choice of the last run, Auto when there is none.
  static ui::TextEncoding Remembered();

  // Ticks the window's choice and words every entry as the window does ("Auto (Cyrillic)").
  void Render(const ui::TForm1& form);

 private:
  std::array<QAction*, ui::kTextEncodings.size()> entries_{};
};

}  // namespace varnak::gui
