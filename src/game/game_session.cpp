#include "game/game_session.h"

#include "board/game_clock.h"
#include "board/givens.h"
#include "players/completion_records.h"
#include "solver/assisted_solving.h"
#include "solver/candidates.h"
#include "solver/undo.h"

namespace kvadrix::game {

void GameSession::SetGivenCell(int row, int col, int digit) {
  if (board::IsOnBoard(row, col)) board::SetGivenCell(state_, row, col, digit);
}

void GameSession::RecomputeCandidates(solver::CandidateView& view) {
  solver::RecomputeCandidates(state_, aids_.Switches(), view);
}

void GameSession::StartPuzzle(int32_t puzzle_id, std::string_view givens,
                              solver::CandidateView& view) {
  board::ApplyGivens(state_, givens);
  puzzle_id_ = puzzle_id;
  RecomputeCandidates(view);
  ColourPlayerCells();
  StartClock();
}

void GameSession::ClearGame() {
  ResetBoard();
  StopClock();
}

void GameSession::StartClock() {
  state_.undo_log.Clear();
  start_time_ = clock_.Now();
  clock_runs_ = true;
}

int64_t GameSession::ElapsedTicks() const { return board::ElapsedTicks(start_time_, clock_.Now()); }

int GameSession::DigitToFocus() {
  if (state_.selected_digit == 0) state_.selected_digit = 1;
  return state_.selected_digit;
}

solver::MoveSwitches GameSession::Switches() const {
  return {aids_.Switches(), aids_.CandidateRulesOff(), clock_runs_};
}

solver::MoveOutcome GameSession::Click(int row, int col) {
  return solver::PlaceDigit(state_, Switches(), row, col, state_.selected_digit);
}

solver::MoveOutcome GameSession::TakeBack() { return solver::TakeBackMove(state_, Switches()); }

solver::MoveOutcome GameSession::PlaceOne() { return solver::PlaceOneDigit(state_, Switches()); }

solver::MoveOutcome GameSession::SolveAsFarAsPossible() {
  return solver::SolveAsFarAsPossible(state_, Switches());
}

Outcome GameSession::RecordCompletion(players::PlayerData tables,
                                      const std::filesystem::path& folder) {
  const Outcome recorded = players::RecordCompletion(
      tables, folder, {player_.key, puzzle_id_, start_time_, clock_.Now()});
  StopClock();
  return recorded;
}

}  // namespace kvadrix::game
