#include "solver/verify_board.h"

#include "board/candidate_grid.h"
#include "board/units.h"

namespace kvadrix::solver {
namespace {

// Nine cells hold 1..9 exactly once when together they show all nine digits.
bool HoldsEveryDigit(const board::Board& board, const board::UnitCells& unit) {
  board::DigitMask seen = 0;
  for (const int cell : unit) {
    const int d = board.AtIndex(cell);
    if (d >= 1 && d <= 9) seen |= board::DigitBit(d);
  }
  return seen == board::kAllDigits;
}

}  // namespace

bool VerifyBoard(const board::Board& board) {
  bool ok = true;  // every unit is checked, a fault found early does not stop the count
  for (int k = 0; k < 9; ++k) {
    ok &= HoldsEveryDigit(board, board::kUnits.rows[k]);
    ok &= HoldsEveryDigit(board, board::kUnits.cols[k]);
    ok &= HoldsEveryDigit(board, board::kUnits.boxes[k]);
  }
  return ok;
}

}  // namespace kvadrix::solver
