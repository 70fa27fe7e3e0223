// Compares what every widget of the desktop window shows with what TForm1 holds.
#pragma once

#include <QStringList>

namespace varnak::gui {
class MainWindow;
}

namespace varnak::fixture {

// One line per difference (none when the window shows the state), for every control
// TForm1::ForEachControl visits on a page a user can show, the pages and the caption.
// Every such page is shown in turn first, as a user would look at each.
QStringList WindowDifferences(gui::MainWindow& window);

}  // namespace varnak::fixture
