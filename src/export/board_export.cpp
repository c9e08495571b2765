#include "export/board_export.h"

#include <cmath>
#include <cstdio>

#include "common/day_count.h"
#include "export/board_sheet.h"
#include "export/xlsx_writer.h"
#include "puzzles/levels.h"

namespace kvadrix::sheet {

std::string ExportName(int32_t puzzle_id, double day_count) {
  const CivilDate day = CivilFromDays(static_cast<int>(std::floor(day_count)));
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.year, day.month, day.day);
  return "Kvadrix " + puzzles::LevelNameOrIdText(puzzle_id) + " " +
         std::to_string(puzzles::NumberWithinLevel(puzzle_id)) + " " + date;
}

std::filesystem::path ExportBoard(const board::Board& board, const std::filesystem::path& folder,
                                  std::string_view stem) {
  return WriteNewWorkbook(BoardSheet(board), folder, stem);
}

}  // namespace kvadrix::sheet
