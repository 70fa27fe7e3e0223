// Compares what every widget of the desktop window shows with what TForm1 holds.
#pragma once

#include <QStringList>

namespace varnak::gui {
class MainWindow;
}

namespace varnak::fixture {

// One line per difference (none when the window shows the state), for every control
// TForm1::ForEachControl visits, the pages and the caption.
QStringList WindowDifferences(gui::MainWindow& window);

}  // namespace varnak::fixture
