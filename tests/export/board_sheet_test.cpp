#include "export/board_sheet.h"

#include <gtest/gtest.h>

#include <string>

namespace kvadrix::sheet {
namespace {

board::Board BoardOf(const std::string& cells) {  // "." is an empty cell
  board::Board board;
  for (int i = 0; i < board::kCellCount; ++i) {
    if (cells[i] != '.') board.Set(board::RowOf(i), board::ColOf(i), cells[i] - '0');
  }
  return board;
}

bool InGrid(int n) { return n >= 2 && n <= 10; }  // B..J, 2..10

// Grid line `line` (0..9 from the grid's top or left edge) as a Sudoku is drawn: medium around
// the boxes, thin between cells, none beside the grid.
Line GridLine(int line, bool beside_grid) {
  if (!beside_grid || line < 0 || line > 9) return Line::kNone;
  return line % 3 == 0 ? Line::kMedium : Line::kThin;
}

TEST(BoardSheet, DigitsInB2ToJ10OnAGridWithHeavierBoxLines) {
  const board::Board game = BoardOf(
      "5.4678..2"
      "67.195348"
      "..834.567"
      "859761423"
      "4.68537.1"
      ".13924856"
      "961537284"
      "2874196.5"
      "34528617.");
  const Sheet sheet = BoardSheet(game);
  EXPECT_EQ(sheet.Value(2, 2), 5);                    // row 1, column 1 in B2
  EXPECT_EQ(sheet.Value(4, 6), game.At(3, 5));        // row 3, column 5 in F4
  EXPECT_EQ(sheet.Value(10, 10), std::nullopt);       // row 9, column 9 in J10, empty
  for (int row = 1; row <= kBoardSheetRows; ++row) {  // A1:K11, the grid and its margin
    EXPECT_EQ(sheet.RowHeight(row), 19.5);
    EXPECT_EQ(sheet.ColumnWidth(row), 4);
    for (int col = 1; col <= kBoardSheetCols; ++col) {
      const bool grid = InGrid(row) && InGrid(col);
      const int digit = grid ? game.At(row - 1, col - 1) : 0;
      EXPECT_EQ(sheet.Value(row, col), digit == 0 ? std::nullopt : std::optional(digit));
      const CellFormat expected = {.bold = grid,
                                   .font_size = grid ? 12 : 0,
                                   .alignment = grid ? Alignment::kCentre : Alignment::kGeneral,
                                   .top = GridLine(row - 2, InGrid(col)),
                                   .bottom = GridLine(row - 1, InGrid(col)),
                                   .left = GridLine(col - 2, InGrid(row)),
                                   .right = GridLine(col - 1, InGrid(row))};
      EXPECT_EQ(sheet.Format(row, col), expected) << "row " << row << ", column " << col;
    }
  }
}

}  // namespace
}  // namespace kvadrix::sheet
