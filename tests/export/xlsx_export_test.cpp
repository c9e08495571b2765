#include <gtest/gtest.h>

#include <fstream>

#include "common/error.h"
#include "export/board_export.h"
#include "export/board_sheet.h"
#include "support/table_test_support.h"
#include "support/xlsx_contents.h"

namespace kvadrix::sheet {
namespace {

using tables::testing::ReadBytes;
using tables::testing::TempFolder;
using testing::ReadXlsx;

board::Board SomeGame() {
  board::Board board;
  for (int i = 0; i < board::kCellCount; i += 2) {
    board.Set(board::RowOf(i), board::ColOf(i), 1 + i * 7 % 9);
  }
  return board;
}

TEST(XlsxExport, TheFileShowsTheBoardSheet) {
  TempFolder dir;
  const Sheet expected = BoardSheet(SomeGame());
  const testing::XlsxContents file = ReadXlsx(ExportBoard(SomeGame(), dir.path(), "x"));
  EXPECT_EQ(file.worksheet_count, 1);
  testing::XlsxContents meant;
  for (int row = 1; row <= kBoardSheetRows; ++row) {
    meant.column_widths[row] = *expected.ColumnWidth(row);
    meant.row_heights[row] = *expected.RowHeight(row);
    for (int col = 1; col <= kBoardSheetCols; ++col) {
      const std::string name = char('A' + col - 1) + std::to_string(row);
      if (auto value = expected.Value(row, col)) meant.values[name] = *value;
      if (expected.Format(row, col) != CellFormat{})
        meant.formats[name] = expected.Format(row, col);
    }
  }
  EXPECT_EQ(file.values, meant.values);
  EXPECT_EQ(file.column_widths, meant.column_widths);
  EXPECT_EQ(file.row_heights, meant.row_heights);
  EXPECT_EQ(file.formats, meant.formats);
  EXPECT_EQ(file.formats.at("E5").top, Line::kMedium);
}

TEST(XlsxExport, EveryExportIsANewFileAndNoneIsReplaced) {
  TempFolder dir;
  // Named after the puzzle and the day (the day count's fraction is the time of day).
  const std::string stem = ExportName(30012, 46365.99);
  EXPECT_EQ(stem, "Kvadrix Nehéz 12 2026-12-09");
  EXPECT_EQ(ExportName(60001, 45351.0), "Kvadrix 60001 1 2024-02-29");
  std::ofstream(dir / (stem + ".xlsx")) << "somebody's file";
  const auto first = ExportBoard(SomeGame(), dir.path(), stem);
  const std::string first_bytes = ReadBytes(first);
  const auto second = ExportBoard(board::Board(), dir.path(), stem);
  EXPECT_EQ(first, dir / (stem + " (2).xlsx"));
  EXPECT_EQ(second, dir / (stem + " (3).xlsx"));
  EXPECT_EQ(ReadBytes(dir / (stem + ".xlsx")), "somebody's file");
  EXPECT_EQ(ReadBytes(first), first_bytes);
  EXPECT_TRUE(ReadXlsx(second).values.empty());

  EXPECT_THROW(ExportBoard(SomeGame(), dir / "missing", stem), Error);
}

}  // namespace
}  // namespace kvadrix::sheet
