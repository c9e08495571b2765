#pragma once
// The digits on the grid: 0 = empty, 1..9 = the digit shown. Nothing else is stored.
#include <array>
#include <cstdint>

#include "board/cells.h"

namespace kvadrix::board {

class Board {
 public:
  using Cells = Grid81;

  int At(int row, int col) const { return cells_[CellIndex(row, col)]; }
  void Set(int row, int col, int digit) { cells_[CellIndex(row, col)] = uint8_t(digit); }
  int AtIndex(int index) const { return cells_[index]; }

  void Clear() { cells_.fill(0); }
  int CountEmpty() const;
  const Cells& AllCells() const { return cells_; }

  friend bool operator==(const Board&, const Board&) = default;

 private:
  Cells cells_{};
};

}  // namespace kvadrix::board
