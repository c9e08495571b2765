#pragma once
// "Excel-be": the Board copied into a new workbook for the desktop's spreadsheet program.
// board_sheet.h says what the worksheet shows, sheet.h how a sheet is described, and
// xlsx_writer.h how it becomes a file.
#include <filesystem>
#include <string_view>

#include "board/board.h"

namespace kvadrix::sheet {

// Shown when the workbook cannot be written or the desktop cannot open it.
inline constexpr std::string_view kExportFailedMessage =
    "Nincs Excel feltelepítve, vagy hiba a kapcsolódáskor!";

// Writes the Board's worksheet as a new workbook in `folder` and returns the file; earlier
// exports are never touched. Throws Error when the file cannot be written.
std::filesystem::path ExportBoard(const board::Board& board, const std::filesystem::path& folder);

}  // namespace kvadrix::sheet
