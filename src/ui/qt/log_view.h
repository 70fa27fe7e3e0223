// The coloured log of the "Replay" and "Player Log" pages: one line per row, each in
// its own colour, in a fixed-pitch font.
//
// A list view over a small model keeps a log of tens of thousands of lines fast: rows
// are turned into text only when painted, and every row has the size of the widest
// line, so the view never measures the lines one by one.
#pragma once

#include <QAbstractListModel>
#include <QListView>

#include <vector>

#include "ui/controls.h"

namespace varnak::gui {

class LogModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  bool Holds(const std::vector<ui::LogLine>& lines) const;
  // Shows `lines`, every row `rowSize` large.
  void SetLines(const std::vector<ui::LogLine>& lines, const QSize& rowSize);
  // The number of characters of the longest line.
  static int LongestLine(const std::vector<ui::LogLine>& lines);

 private:
  std::vector<ui::LogLine> lines_;
  QSize rowSize_;
};

class LogView : public QListView {
 public:
  explicit LogView(QWidget* parent = nullptr);

  // Shows `lines`; a no-op when they are the lines already shown.
  void Show(const std::vector<ui::LogLine>& lines);
  const LogModel& Lines() const { return model_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;  // copies the chosen lines

 private:
  LogModel model_;
};

}  // namespace varnak::gui
