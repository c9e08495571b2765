#pragma once
// For the move tests: switches of a running game, the messages moves return, and games started
// as the window starts them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/givens.h"
#include "solver/candidates.h"
#include "solver/exact_solver.h"
#include "solver/moves.h"
#include "support/shipped_library.h"

namespace kvadrix::solver {

// A game in progress: every aid on, the candidate rules in force, the clock running.
inline constexpr MoveSwitches kPlaying{kAllAids, false, true};

// The messages a series of moves would have shown, in order.
class Messages {
 public:
  MoveOutcome operator()(const MoveOutcome& outcome) {
    if (!outcome.message.empty()) texts.emplace_back(outcome.message);
    return outcome;
  }
  std::vector<std::string> texts;
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
