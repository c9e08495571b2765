#pragma once
// "Excel-be": the Board copied into a new workbook for the desktop's spreadsheet program.
// board_sheet.h says what the worksheet shows, sheet.h how a sheet is described, and
// xlsx_writer.h how it becomes a file.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "board/board.h"

namespace kvadrix::sheet {

// Shown when the workbook cannot be written or the desktop cannot open it.
inline constexpr std::string_view kExportFailedMessage =
    "Nincs Excel feltelepítve, vagy hiba a kapcsolódáskor!";
// Follows it when the workbook was written but nothing opened it, with the file's place.
inline constexpr std::string_view kExportSavedAt = "A munkafüzet el lett mentve ide: ";

// The name a workbook of the puzzle gets on the day: "Kvadrix Könnyű 12 2026-12-09".
std::string ExportName(int32_t puzzle_id, double day_count);

// Writes the Board's worksheet as a new workbook in `folder`, named after `stem`, and returns
// the file; earlier exports are never touched. Throws Error when the file cannot be written.
std::filesystem::path ExportBoard(const board::Board& board, const std::filesystem::path& folder,
                                  std::string_view stem);

}  // namespace kvadrix::sheet
