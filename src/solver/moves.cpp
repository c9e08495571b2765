#include "solver/moves.h"

#include "solver/candidates.h"

namespace kvadrix::solver {
namespace {

using board::UndoEntry;

void Erase(board::GameState& state, MoveHost& host, int row, int col) {
  const MoveSwitches switches = host.Switches();
  if (!state.IsPlayerCell(row, col) && switches.clock_runs) {
    host.ShowMessage(kGivenNotErasable);
    return;
  }
  state.undo_log.Append(UndoEntry::Erase(row, col, state.board.At(row, col)));
  state.board.Set(row, col, 0);
  NullCandidateView labels_follow_the_state;
  RecomputeCandidates(state, switches.aids, labels_follow_the_state);
  board::UpdateRemainingCount(state);
}

void Place(board::GameState& state, MoveHost& host, int row, int col, int digit) {
  const bool was_empty = state.board.At(row, col) == 0;
  state.board.Set(row, col, digit);
  state.candidates.Clear(row, col);
  NullCandidateView labels_follow_the_state;
  UpdateCandidatesAfterPlacement(state, row, col, digit, host.Switches().aids,
                                 labels_follow_the_state);
  state.undo_log.Append(UndoEntry::Placement(row, col, digit));
  if (!was_empty) return;
  board::UpdateRemainingCount(state);
  host.CheckCompletion();
}

}  // namespace

void PlaceDigit(board::GameState& state, MoveHost& host, int row, int col, int digit) {
  if (!board::IsOnBoard(row, col) || digit < 0 || digit > 9) return;
  if (host.Switches().candidate_rules_off) return CommitMove(state, host, row, col, digit);
  const board::CandidateGrid& candidates = state.candidates;
  if (candidates.Length(row, col) == 1) {
    return CommitMove(state, host, row, col, candidates.SingleDigit(row, col));
  }
  if (digit != 0 && candidates.Contains(row, col, digit)) {
    return CommitMove(state, host, row, col, digit);
  }
  if (digit != 0) return host.ShowMessage(kDigitNotAllowed);
  if (state.board.At(row, col) != 0) return CommitMove(state, host, row, col, 0);
  host.ShowMessage(kNothingToErase);
}

void CommitMove(board::GameState& state, MoveHost& host, int row, int col, int digit) {
  if (digit == 0) {
    Erase(state, host, row, col);
  } else {
    Place(state, host, row, col, digit);
  }
}

}  // namespace kvadrix::solver
