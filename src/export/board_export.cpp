#include "export/board_export.h"

#include "export/board_sheet.h"
#include "export/xlsx_writer.h"

namespace kvadrix::sheet {

std::filesystem::path ExportBoard(const board::Board& board, const std::filesystem::path& folder) {
  return WriteNewWorkbook(BoardSheet(board), folder);
}

}  // namespace kvadrix::sheet
