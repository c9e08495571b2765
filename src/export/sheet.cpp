#include "export/sheet.h"

#include <stdexcept>

namespace kvadrix::sheet {

Sheet::Sheet(int rows, int cols)
    : rows_(rows),
      cols_(cols),
      values_(rows * cols),
      looks_(rows * cols),
      horizontal_((rows + 1) * cols, Line::kNone),
      vertical_(rows * (cols + 1), Line::kNone),
      widths_(cols),
      heights_(rows) {}

int Sheet::CellAt(int row, int col) const {
  if (row < 1 || row > rows_ || col < 1 || col > cols_) {
    throw std::out_of_range("cell outside the sheet");
  }
  return (row - 1) * cols_ + col - 1;
}

void Sheet::Check(const CellRange& range) const {
  CellAt(range.first_row, range.first_col);
  CellAt(range.last_row, range.last_col);
  if (range.first_row > range.last_row || range.first_col > range.last_col) {
    throw std::out_of_range("range corners out of order");
  }
}

template <typename Change>
void Sheet::ForEachCell(const CellRange& range, Change change) {
  Check(range);
  for (int row = range.first_row; row <= range.last_row; ++row) {
    for (int col = range.first_col; col <= range.last_col; ++col) change(looks_[CellAt(row, col)]);
  }
}

void Sheet::SetValue(int row, int col, int value) { values_[CellAt(row, col)] = value; }

void Sheet::SetColumnWidth(int col, double characters) {
  CellAt(1, col);
  widths_[col - 1] = characters;
}

void Sheet::SetRowHeight(int row, double points) {
  CellAt(row, 1);
  heights_[row - 1] = points;
}

void Sheet::SetBold(const CellRange& range) {
  ForEachCell(range, [](Look& look) { look.bold = true; });
}

void Sheet::SetFontSize(const CellRange& range, int points) {
  ForEachCell(range, [points](Look& look) { look.font_size = points; });
}

void Sheet::SetAlignment(const CellRange& range, Alignment alignment) {
  ForEachCell(range, [alignment](Look& look) { look.alignment = alignment; });
}

void Sheet::BorderAround(const CellRange& range, Line line) {
  Check(range);
  for (int col = range.first_col; col <= range.last_col; ++col) {
    horizontal_[Above(range.first_row, col)] = line;
    horizontal_[Above(range.last_row + 1, col)] = line;
  }
  for (int row = range.first_row; row <= range.last_row; ++row) {
    vertical_[LeftOf(row, range.first_col)] = line;
    vertical_[LeftOf(row, range.last_col + 1)] = line;
  }
}

std::optional<int> Sheet::Value(int row, int col) const { return values_[CellAt(row, col)]; }

std::optional<double> Sheet::ColumnWidth(int col) const {
  CellAt(1, col);
  return widths_[col - 1];
}

std::optional<double> Sheet::RowHeight(int row) const {
  CellAt(row, 1);
  return heights_[row - 1];
}

CellFormat Sheet::Format(int row, int col) const {
  const Look& look = looks_[CellAt(row, col)];
  return {.bold = look.bold,
          .font_size = look.font_size,
          .alignment = look.alignment,
          .top = horizontal_[Above(row, col)],
          .bottom = horizontal_[Above(row + 1, col)],
          .left = vertical_[LeftOf(row, col)],
          .right = vertical_[LeftOf(row, col + 1)]};
}

}  // namespace kvadrix::sheet
