// The window's look: its fonts and how the grids draw their cells.
#pragma once

#include <QFont>

#include <initializer_list>

class QTableWidget;

namespace varnak::gui {

// The desktop's font family at the size the layout is drawn for: the column widths of
// the grids and the 777 x 627 window assume it.
QFont WindowFont();
// The desktop's fixed-pitch font at the same size, for the lists and the logs.
QFont FixedPitchFont();

// Numbers right-aligned in `columns`, so that a cell too narrow for its text loses the
// padding spaces of the number's format before any digit.
void AlignRight(QTableWidget* grid, std::initializer_list<int> columns);

}  // namespace varnak::gui
