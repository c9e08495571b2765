#include "solver/candidates.h"

#include <array>

#include "board/cells.h"
#include "solver/techniques.h"

namespace kvadrix::solver {

using board::CandidateGrid;
using board::DigitBit;
using board::DigitMask;

bool RemoveCandidate(CandidateGrid& grid, int row, int col, int digit) {
  return grid.Remove(row, col, digit);
}

void RecomputeCandidates(board::GameState& state, const AidSwitches& switches,
                         CandidateView& view) {
  // Excluding each unit's digits one by one or all at once gives the same entries.
  std::array<DigitMask, 9> in_row{}, in_col{}, in_box{};
  const board::Board& board = state.board;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const int d = board.AtIndex(r * 9 + c);
      if (d < 1 || d > 9) continue;
      in_row[r] |= DigitBit(d);
      in_col[c] |= DigitBit(d);
      in_box[r / 3 * 3 + c / 3] |= DigitBit(d);
    }
  }
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const int i = r * 9 + c;
      const DigitMask seen = in_row[r] | in_col[c] | in_box[r / 3 * 3 + c / 3];
      state.candidates.SetMaskAt(i, board.AtIndex(i) == 0 ? DigitMask(~seen) : 0);
    }
  }
  ApplyTechniques(state.candidates, switches);
  RefreshCandidateLabels(state.candidates, view);
}

void UpdateCandidatesAfterPlacement(board::GameState& state, int row, int col, int digit,
                                    const AidSwitches& switches, CandidateView& view) {
  if (digit >= 1 && digit <= 9) {
    CandidateGrid& grid = state.candidates;
    for (int i = 1; i <= 9; ++i) {
      grid.Remove(i, col, digit);
      grid.Remove(row, i, digit);
    }
    for (int cell : board::BoxCells(board::BoxOf(row, col))) grid.RemoveAt(cell, digit);
  }
  ApplyTechniques(state.candidates, switches);
  RefreshCandidateLabels(state.candidates, view);
}

void RefreshCandidateLabels(const CandidateGrid& grid, CandidateView& view) {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) view.ShowCandidates(row, col, grid.Text(row, col));
  }
}

}  // namespace kvadrix::solver
