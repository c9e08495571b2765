#pragma once
// The grid's keyboard cursor: one Tab stop over the whole grid, painted as a frame around the
// cell it stands on. The arrow keys (and Home, End) move it, Space and Enter press the cell as a
// click does, the digit keys choose the digit and leave the focus here. It lets the mouse
// through, so a click on a cell stays the cell's, and a click never moves the focus here.
#include <QLabel>
#include <QWidget>
#include <functional>

#include "widgets/cell_label.h"

namespace kvadrix::app {

class GridCursor : public QWidget {
 public:
  // A cell's digit label, which takes the presses, and its candidate label below it.
  struct CellLabels {
    widgets::ClickableLabel* digit;
    QLabel* candidates;
  };
  // `cell(row, col)` gives a cell's labels; the cursor covers `area` of its parent.
  using CellAt = std::function<CellLabels(int row, int col)>;
  GridCursor(QWidget* parent, const QRect& area, CellAt cell);

  void OnDigitKey(std::function<void(int digit)> handler) { digit_key_ = std::move(handler); }
  int Row() const { return row_; }
  int Col() const { return col_; }
  widgets::ClickableLabel* Cell() const { return cell_(row_, col_).digit; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void MoveTo(int row, int col);
  // Tells the screen reader which cell has the focus, and repaints the frame.
  void ShowCursor();
  QRect CellFrame() const;

  CellAt cell_;
  std::function<void(int)> digit_key_;
  int row_ = 1;
  int col_ = 1;
};

}  // namespace kvadrix::app
