#pragma once
// The game being played, without any window: the board with its candidates and undo log, the
// clock, the aids and level, the selected digit, the puzzle and the player. Every move goes
// through here and returns its outcome; the window shows it, then repaints from state().
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "board/game_state.h"
#include "common/outcome.h"
#include "common/seams.h"
#include "game/aid_controls.h"
#include "players/player_tables.h"
#include "solver/candidate_view.h"
#include "solver/move_outcome.h"
#include "solver/moves.h"

namespace kvadrix::game {

struct Player {
  std::string name;  // as the status bar and the results show it
  int32_t key = 0;
};

class GameSession {
 public:
  explicit GameSession(const Clock& clock) : clock_(clock) {}

  const board::GameState& state() const { return state_; }

  // The board before and between games. The view is told every candidate entry.
  void ResetBoard() { board::ResetBoard(state_); }
  void SetGivenCell(int row, int col, int digit);
  void ColourPlayerCells() { board::ColourPlayerCells(state_); }
  void RecomputeCandidates(solver::CandidateView& view);

  // A puzzle record becomes the game: its givens (a damaged text is refused before anything
  // changes), the candidates under the aids, the player's cells, an empty undo log and the clock.
  void StartPuzzle(int32_t puzzle_id, std::string_view givens, solver::CandidateView& view);
  // An empty board and a stopped clock, as before a puzzle is loaded.
  void ClearGame();

  // The clock runs from StartClock until the game is completed, cleared or closed.
  void StartClock();
  void StopClock() { clock_runs_ = false; }
  bool ClockRuns() const { return clock_runs_; }
  int64_t ElapsedTicks() const;

  // 0 is the eraser; the focus goes to a digit button, so the eraser yields to 1 there.
  int SelectedDigit() const { return state_.selected_digit; }
  void SelectDigit(int digit) { state_.selected_digit = digit; }
  int DigitToFocus();

  int32_t PuzzleId() const { return puzzle_id_; }
  void SetPuzzleId(int32_t id) { puzzle_id_ = id; }
  const Player& player() const { return player_; }
  void SetPlayer(Player player) { player_ = std::move(player); }

  const AidControls& aids() const { return aids_; }
  // Changes the aids; the candidates follow when a recomputing handler ran.
  template <typename Change>
  void ChangeAids(Change change, solver::CandidateView& view) {
    change(aids_);
    if (aids_.TakeRecomputeRequest()) RecomputeCandidates(view);
  }

  // The moves: a click with the selected digit, "Vissza", "Csak 1", "Teljes".
  solver::MoveSwitches Switches() const;
  solver::MoveOutcome Click(int row, int col);
  solver::MoveOutcome TakeBack();
  solver::MoveOutcome PlaceOne();
  solver::MoveOutcome SolveAsFarAsPossible();

  // After kCompleted: the result and the finished mark are written and the clock stops. A result
  // that cannot be saved throws first, so the game goes on and can be completed again.
  Outcome RecordCompletion(players::PlayerData tables, const std::filesystem::path& folder);

 private:
  const Clock& clock_;
  board::GameState state_;
  AidControls aids_;
  double start_time_ = 0;  // day count
  bool clock_runs_ = false;
  int32_t puzzle_id_ = 0;
  Player player_;
};

}  // namespace kvadrix::game
