#pragma once
// The Board drawn as a worksheet: its digits in B2:J10 (row r, column c in the cell of column
// letter "A" + c and row r + 1), columns A to K 4 characters wide, rows 1 to 11 19.5 points
// high, bold centred 12-point digits, a thin line around every cell and a medium one around
// the grid and its 3x3 boxes. Empty cells get no value.
#include "board/board.h"
#include "export/sheet.h"

namespace kvadrix::sheet {

inline constexpr int kBoardSheetRows = 11;  // A1:K11, the grid and its margin
inline constexpr int kBoardSheetCols = 11;

Sheet BoardSheet(const board::Board& board);

}  // namespace kvadrix::sheet
