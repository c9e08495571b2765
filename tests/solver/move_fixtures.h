#pragma once
// For the move tests: a host with switches set by the test, messages recorded and a completion
// check that does what the test asks; games started as the window starts them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "board/givens.h"
#include "solver/candidates.h"
#include "solver/completion.h"
#include "solver/exact_solver.h"
#include "solver/moves.h"
#include "support/shipped_library.h"

namespace kvadrix::solver {

class RecordingHost : public MoveHost {
 public:
  explicit RecordingHost(board::GameState& state) : state_(state) {}

  MoveSwitches Switches() const override { return switches; }
  void ShowMessage(std::string_view message) override { messages.emplace_back(message); }
  // By default as the game does: a verified full grid raises SolvedFlag.
  void CheckCompletion() override {
    ++completion_checks;
    if (on_completion) return on_completion();
    if (solver::CheckCompletion(state_) == Completion::kSolved) state_.solved_flag = true;
  }

  MoveSwitches switches{kAllAids, false, true};
  std::vector<std::string> messages;
  int completion_checks = 0;
  std::function<void()> on_completion;

 private:
  board::GameState& state_;
};

using board::GameState;

// A game as StartGameFromPuzzle leaves it.
inline GameState Started(const std::string& givens, const AidSwitches& aids = kAllAids) {
  GameState state;
  board::ApplyGivens(state, givens);
  NullCandidateView view;
  RecomputeCandidates(state, aids, view);
  board::ColourPlayerCells(state);
  return state;
}

// A shipped puzzle whose cell (9,9) is empty, and its solution.
struct OpenCorner {
  std::string givens;
  board::Grid81 solution{};
};

inline OpenCorner PuzzleWithOpenCorner() {
  for (const testing::ShippedRecord& record : testing::ShippedLibrary()) {
    GameState state;
    board::ApplyGivens(state, record.givens);
    OpenCorner found{record.givens, {}};
    if (state.board.At(9, 9) == 0 &&
        CountSolutions(state.board.AllCells(), 2, &found.solution) == 1) {
      return found;
    }
  }
  ADD_FAILURE() << "no shipped puzzle leaves (9,9) open";
  return {};
}

}  // namespace kvadrix::solver
