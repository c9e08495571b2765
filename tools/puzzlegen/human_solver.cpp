#include "puzzlegen/human_solver.h"

#include "puzzlegen/strong_techniques.h"
#include "solver/assisted_solving.h"
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
  // The grader plays as "Teljes" does, with no one to tell and no clock.
  const solver::MoveSwitches grader{switches, false, false};
  for (;;) {
    solver::SolveAsFarAsPossible(state, grader);
    if (state.remaining_count == 0) break;
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
