#include "puzzlegen/human_solver.h"

#include "puzzlegen/strong_techniques.h"
#include "solver/candidate_view.h"
#include "solver/candidates.h"
#include "solver/techniques.h"
#include "solver/verify_board.h"

namespace kvadrix::puzzlegen {
namespace {

// Single Candidate spreading only restates what placing a single does, so it is on in every set.
solver::AidSwitches SwitchesFor(TechniqueSet set) {
  return solver::AidSwitches{.single_position = true,
                             .single_candidate = true,
                             .candidate_lines = set != TechniqueSet::kSingles};
}

// Places every single-candidate cell, as "Teljes" does, row by row and reading each entry when
// it is reached. Returns whether anything was placed.
bool PlaceSingles(board::GameState& state, const solver::AidSwitches& switches,
                  solver::CandidateView& view) {
  bool placed = false;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const int digit = state.candidates.SingleDigit(row, col);
      if (digit == 0 || state.board.At(row, col) != 0) continue;
      state.board.Set(row, col, digit);
      state.candidates.Clear(row, col);
      solver::UpdateCandidatesAfterPlacement(state, row, col, digit, switches, view);
      placed = true;
    }
  }
  return placed;
}

}  // namespace

HumanSolveResult SolveWith(const solver::Grid81& givens, TechniqueSet set) {
  const solver::AidSwitches switches = SwitchesFor(set);
  solver::NullCandidateView view;
  board::GameState state;
  board::ResetBoard(state);
  for (int i = 0; i < board::kCellCount; ++i) {
    if (givens[i] != 0) board::SetGivenCell(state, board::RowOf(i), board::ColOf(i), givens[i]);
  }
  solver::RecomputeCandidates(state, switches, view);
  for (;;) {
    while (PlaceSingles(state, switches, view)) {
    }
    if (board::UpdateRemainingCount(state) == 0) break;
    if (set != TechniqueSet::kStrong || !ApplyStrongTechnique(state.candidates)) break;
    solver::ApplyTechniques(state.candidates, switches);
  }
  HumanSolveResult result;
  result.grid = state.board.AllCells();
  // A contradiction (only possible without a solution) would place clashing digits.
  result.solved = state.remaining_count == 0 && solver::VerifyBoard(state.board);
  return result;
}

}  // namespace kvadrix::puzzlegen
