#pragma once
// Cell numbering shared by the board and the solver. The public API speaks rows and columns
// 1..9; inside, a cell is its index 0..80, row by row.
#include <array>
#include <cstdint>

namespace kvadrix::board {

inline constexpr int kCellCount = 81;

// A whole grid's digits, row by row: 0 = empty, 1..9 = digit.
using Grid81 = std::array<uint8_t, kCellCount>;

constexpr int CellIndex(int row, int col) { return (row - 1) * 9 + (col - 1); }
constexpr int RowOf(int index) { return index / 9 + 1; }
constexpr int ColOf(int index) { return index % 9 + 1; }
constexpr bool IsOnBoard(int row, int col) { return row >= 1 && row <= 9 && col >= 1 && col <= 9; }

// Boxes are numbered 1..9 row-major; these give the box's first row and column.
constexpr int BoxFirstRow(int box) { return (box - 1) / 3 * 3 + 1; }
constexpr int BoxFirstCol(int box) { return (box - 1) % 3 * 3 + 1; }
constexpr int BoxOf(int row, int col) { return (row - 1) / 3 * 3 + (col - 1) / 3 + 1; }

// The nine cell indexes of a box, row by row.
constexpr std::array<int, 9> BoxCells(int box) {
  std::array<int, 9> cells{};
  const int r0 = BoxFirstRow(box), c0 = BoxFirstCol(box);
  for (int i = 0; i < 9; ++i) cells[i] = CellIndex(r0 + i / 3, c0 + i % 3);
  return cells;
}

}  // namespace kvadrix::board
