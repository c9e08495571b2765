#pragma once
// Cell indexes of every row, column and box, in visiting order (positions 1..9 along a line,
// row by row inside a box), and the units of every cell, so inner loops do no index arithmetic.
#include <array>
#include <cstdint>

#include "board/cells.h"

namespace kvadrix::board {

using UnitCells = std::array<uint8_t, 9>;

struct UnitTable {
  std::array<UnitCells, 9> rows{}, cols{}, boxes{};
  // For each cell, the 0-based row, column and box it lies in.
  std::array<uint8_t, kCellCount> row_of{}, col_of{}, box_of{};
  // For each cell, one bit per unit holding it: rows 0..8, columns 9..17, boxes 18..26.
  std::array<uint32_t, kCellCount> of_cell{};

  static constexpr uint32_t RowBit(int row) { return 1u << (row - 1); }
  static constexpr uint32_t ColBit(int col) { return 1u << (8 + col); }
  static constexpr uint32_t BoxBit(int box) { return 1u << (17 + box); }

  constexpr UnitTable() {
    for (int k = 0; k < 9; ++k) {
      const auto box = BoxCells(k + 1);
      for (int p = 0; p < 9; ++p) {
        rows[k][p] = uint8_t(CellIndex(k + 1, p + 1));
        cols[k][p] = uint8_t(CellIndex(p + 1, k + 1));
        boxes[k][p] = uint8_t(box[p]);
      }
    }
    for (int i = 0; i < kCellCount; ++i) {
      const int row = RowOf(i), col = ColOf(i), box = BoxOf(row, col);
      row_of[i] = uint8_t(row - 1);
      col_of[i] = uint8_t(col - 1);
      box_of[i] = uint8_t(box - 1);
      of_cell[i] = RowBit(row) | ColBit(col) | BoxBit(box);
    }
  }
};

inline constexpr UnitTable kUnits;

}  // namespace kvadrix::board
