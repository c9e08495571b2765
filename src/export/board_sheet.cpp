#include "export/board_sheet.h"

namespace kvadrix::sheet {
namespace {

constexpr int kFirst = 2;  // the grid's first sheet row and column ("B2")
constexpr int kLast = 10;  // its last ("J10")
constexpr double kColumnWidth = 4;
constexpr double kRowHeight = 19.5;
constexpr int kFontSize = 12;

}  // namespace

Sheet BoardSheet(const board::Board& board) {
  Sheet sheet(kBoardSheetRows, kBoardSheetCols);
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      if (board.At(r, c) != 0) sheet.SetValue(r + 1, c + 1, board.At(r, c));
    }
  }
  for (int k = 0; k <= 10; ++k) {
    sheet.SetColumnWidth(k + 1, kColumnWidth);
    sheet.SetRowHeight(k + 1, kRowHeight);
    for (int n = kFirst; n <= kLast; ++n) {
      const CellRange row{n, kFirst, n, kLast};
      sheet.SetBold(row);
      sheet.SetFontSize(row, kFontSize);
      sheet.SetAlignment(row, Alignment::kCentre);
    }
  }
  // Framing every row and every column draws all the cell lines.
  for (int k = 1; k <= 9; ++k) {
    sheet.BorderAround({k + 1, kFirst, k + 1, kLast}, Line::kThin);
    sheet.BorderAround({kFirst, k + 1, kLast, k + 1}, Line::kThin);
  }
  sheet.BorderAround({kFirst, kFirst, kFirst, kLast}, Line::kThin);
  // The outer frame, then the bands of box rows and of box columns: the nine boxes.
  const CellRange heavy[] = {{2, 2, 10, 10}, {2, 2, 4, 10}, {5, 2, 7, 10}, {8, 2, 10, 10},
                             {2, 2, 10, 4},  {2, 5, 10, 7}, {2, 8, 10, 10}};
  for (const CellRange& range : heavy) sheet.BorderAround(range, Line::kMedium);
  return sheet;
}

}  // namespace kvadrix::sheet
