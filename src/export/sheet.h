#pragma once
// A worksheet as a spreadsheet program shows it: numbers in cells, column widths, row heights,
// fonts, alignment and the lines between cells. Plain data, so what an export shows can be
// checked without writing a file; the xlsx writer only copies it out.
#include <cstdint>
#include <optional>
#include <vector>

namespace kvadrix::sheet {

// Rows and columns count from 1 as a spreadsheet names them: column 1 is "A", row 1 is "1".
struct CellRange {
  int first_row;
  int first_col;
  int last_row;
  int last_col;
};

constexpr CellRange Cell(int row, int col) { return {row, col, row, col}; }

enum class Line : uint8_t { kNone, kThin, kMedium };
enum class Alignment : uint8_t { kGeneral, kCentre };

// Everything a cell looks like. A font size of 0 is the workbook's default size.
struct CellFormat {
  bool bold = false;
  int font_size = 0;
  Alignment alignment = Alignment::kGeneral;
  Line top = Line::kNone;
  Line bottom = Line::kNone;
  Line left = Line::kNone;
  Line right = Line::kNone;

  friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

// The cells A1 up to (rows, cols). Each operation acts like the spreadsheet's own: later ones win.
// A line between two cells is one line, so framing a range also changes what its neighbours
// show on the shared side. Addresses outside the area throw std::out_of_range.
class Sheet {
 public:
  Sheet(int rows, int cols);

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }

  void SetValue(int row, int col, int value);
  void SetColumnWidth(int col, double characters);
  void SetRowHeight(int row, double points);
  void SetBold(const CellRange& range);
  void SetFontSize(const CellRange& range, int points);
  void SetAlignment(const CellRange& range, Alignment alignment);
  void BorderAround(const CellRange& range, Line line);

  std::optional<int> Value(int row, int col) const;
  std::optional<double> ColumnWidth(int col) const;  // unset: the program's default
  std::optional<double> RowHeight(int row) const;
  CellFormat Format(int row, int col) const;

 private:
  struct Look {
    bool bold = false;
    int font_size = 0;
    Alignment alignment = Alignment::kGeneral;
  };

  int CellAt(int row, int col) const;  // checks the address
  void Check(const CellRange& range) const;
  template <typename Change>
  void ForEachCell(const CellRange& range, Change change);
  // Where the line above row `row` (1..rows + 1) in column `col` is kept, and the line left of
  // column `col` (1..cols + 1) in row `row`.
  int Above(int row, int col) const { return (row - 1) * cols_ + col - 1; }
  int LeftOf(int row, int col) const { return (row - 1) * (cols_ + 1) + col - 1; }

  int rows_;
  int cols_;
  std::vector<std::optional<int>> values_;
  std::vector<Look> looks_;
  std::vector<Line> horizontal_;  // (rows + 1) x cols
  std::vector<Line> vertical_;    // rows x (cols + 1)
  std::vector<std::optional<double>> widths_;
  std::vector<std::optional<double>> heights_;
};

}  // namespace kvadrix::sheet
