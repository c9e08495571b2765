#include "solver/verify_board.h"

#include "board/candidate_grid.h"

namespace kvadrix::solver {
namespace {

using board::DigitMask;

// Nine cells hold 1..9 exactly once when together they show all nine digits.
bool HoldsEveryDigit(const board::Board& board, int first_cell, int step_in, int step_out) {
  DigitMask seen = 0;
  for (int i = 0; i < 9; ++i) {
    const int d = board.AtIndex(first_cell + (i % 3) * step_in + (i / 3) * step_out);
    if (d >= 1 && d <= 9) seen |= board::DigitBit(d);
  }
  return seen == board::kAllDigits;
}

}  // namespace

bool VerifyBoard(const board::Board& board) {
  bool ok = true;
  for (int k = 0; k < 9; ++k) {
    ok &= HoldsEveryDigit(board, k * 9, 1, 3);                       // row
    ok &= HoldsEveryDigit(board, k, 9, 27);                          // column
    ok &= HoldsEveryDigit(board, (k / 3) * 27 + (k % 3) * 3, 1, 9);  // box
  }
  return ok;
}

}  // namespace kvadrix::solver
