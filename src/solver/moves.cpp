#include "solver/moves.h"

#include "solver/candidates.h"
#include "solver/completion.h"

namespace kvadrix::solver {
namespace {

using board::UndoEntry;

MoveOutcome Erase(board::GameState& state, const MoveSwitches& switches, int row, int col) {
  if (!state.IsPlayerCell(row, col) && switches.clock_runs) {
    return MoveOutcome::Refused(kGivenNotErasable);
  }
  state.undo_log.Append(UndoEntry::Erase(row, col, state.board.At(row, col)));
  state.board.Set(row, col, 0);
  NullCandidateView labels_follow_the_state;
  RecomputeCandidates(state, switches.aids, labels_follow_the_state);
  board::UpdateRemainingCount(state);
  return MoveOutcome::Moved();
}

MoveOutcome Place(board::GameState& state, const MoveSwitches& switches, int row, int col,
                  int digit) {
  const bool was_empty = state.board.At(row, col) == 0;
  state.board.Set(row, col, digit);
  state.candidates.Clear(row, col);
  NullCandidateView labels_follow_the_state;
  UpdateCandidatesAfterPlacement(state, row, col, digit, switches.aids, labels_follow_the_state);
  state.undo_log.Append(UndoEntry::Placement(row, col, digit));
  if (!was_empty) return MoveOutcome::Moved();
  board::UpdateRemainingCount(state);
  switch (CheckCompletion(state)) {
    case Completion::kNotFull:
      return MoveOutcome::Moved();
    case Completion::kWrong:
      return {MoveOutcome::Kind::kCompletedWrong, kSolutionWrong};
    case Completion::kSolved:
      return {MoveOutcome::Kind::kCompleted, {}};
  }
  return MoveOutcome::Moved();
}

}  // namespace

MoveOutcome PlaceDigit(board::GameState& state, const MoveSwitches& switches, int row, int col,
                       int digit) {
  if (!board::IsOnBoard(row, col) || digit < 0 || digit > 9) return {};
  if (switches.candidate_rules_off) return CommitMove(state, switches, row, col, digit);
  const board::CandidateGrid& candidates = state.candidates;
  if (candidates.Length(row, col) == 1) {
    return CommitMove(state, switches, row, col, candidates.SingleDigit(row, col));
  }
  if (digit != 0 && candidates.Contains(row, col, digit)) {
    return CommitMove(state, switches, row, col, digit);
  }
  if (digit != 0) return MoveOutcome::Refused(kDigitNotAllowed);
  if (state.board.At(row, col) != 0) return CommitMove(state, switches, row, col, 0);
  return MoveOutcome::Refused(kNothingToErase);
}

MoveOutcome CommitMove(board::GameState& state, const MoveSwitches& switches, int row, int col,
                       int digit) {
  if (digit == 0) return Erase(state, switches, row, col);
  return Place(state, switches, row, col, digit);
}

}  // namespace kvadrix::solver
