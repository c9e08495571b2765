// On puzzles with one solution, no technique in any switch combination may lose a digit of the
// solution, and erasing a placement must give back what a fresh computation gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <vector>

#include "board/givens.h"
#include "puzzle_factory.h"
#include "solver/candidates.h"
#include "solver/techniques.h"

namespace kvadrix {
namespace {

using board::GameState;
using solver::AidSwitches;

constexpr int kPuzzles = 1000;
constexpr int kPlacementsPerPuzzle = 6;

AidSwitches SwitchesFromBits(int bits) { return {bool(bits & 1), bool(bits & 2), bool(bits & 4)}; }

// Every empty cell still holds its solution digit (so no wrong fix either), and techniques only
// narrowed what the Board alone excludes.
::testing::AssertionResult KeepsSolution(const GameState& state, const solver::Grid81& solution) {
  GameState plain = state;
  solver::NullCandidateView view;
  solver::RecomputeCandidates(plain, solver::kNoAids, view);
  for (int i = 0; i < board::kCellCount; ++i) {
    const board::DigitMask mask = state.candidates.MaskAt(i);
    if (state.board.AtIndex(i) != 0) {
      if (mask != 0) return ::testing::AssertionFailure() << "filled cell has candidates " << i;
      continue;
    }
    if (!(mask & board::DigitBit(solution[i]))) {
      return ::testing::AssertionFailure()
             << "cell " << i << " lost " << int(solution[i]) << ": " << board::CandidateText(mask);
    }
    if (mask & ~plain.candidates.MaskAt(i)) {
      return ::testing::AssertionFailure() << "cell " << i << " gained a digit";
    }
  }
  return ::testing::AssertionSuccess();
}

bool EveryEmptyCellDecided(const GameState& state) {
  for (int i = 0; i < board::kCellCount; ++i) {
    if (state.board.AtIndex(i) == 0 && !std::has_single_bit(state.candidates.MaskAt(i))) {
      return false;
    }
  }
  return true;
}

TEST(TechniquesProperty, NeverLoseTheSolutionAndEraseRestoresAFreshGrid) {
  std::mt19937 rng(20240917);
  solver::NullCandidateView view;
  int solved_by_aids = 0;
  for (int n = 0; n < kPuzzles; ++n) {
    const testing::GeneratedPuzzle puzzle = testing::MakePuzzle(rng);
    ASSERT_EQ(solver::CountSolutions(puzzle.givens, 2), 1);
    GameState start;
    board::ApplyGivens(start, puzzle.mezok);
    ASSERT_EQ(start.board.AllCells(), puzzle.givens);

    // One random order of correct placements, replayed under every switch combination.
    std::vector<int> empty_cells;
    for (int i = 0; i < board::kCellCount; ++i) {
      if (puzzle.givens[i] == 0) empty_cells.push_back(i);
    }
    std::shuffle(empty_cells.begin(), empty_cells.end(), rng);
    empty_cells.resize(kPlacementsPerPuzzle);

    for (int bits = 0; bits < 8; ++bits) {
      const AidSwitches switches = SwitchesFromBits(bits);
      SCOPED_TRACE(::testing::Message() << "puzzle " << puzzle.mezok << " switches " << bits);
      GameState state = start;
      solver::RecomputeCandidates(state, switches, view);
      ASSERT_TRUE(KeepsSolution(state, puzzle.solution));
      if (bits == 7 && EveryEmptyCellDecided(state)) ++solved_by_aids;

      for (int cell : empty_cells) {
        const int row = board::RowOf(cell), col = board::ColOf(cell);
        GameState fresh = state;
        solver::RecomputeCandidates(fresh, switches, view);

        GameState erased = state;
        erased.board.Set(row, col, puzzle.solution[cell]);
        erased.candidates.Clear(row, col);
        solver::UpdateCandidatesAfterPlacement(erased, row, col, puzzle.solution[cell], switches,
                                               view);
        erased.board.Set(row, col, 0);
        solver::RecomputeCandidates(erased, switches, view);
        ASSERT_EQ(erased.candidates, fresh.candidates) << "erase after placing at " << cell;

        state.board.Set(row, col, puzzle.solution[cell]);
        state.candidates.Clear(row, col);
        solver::UpdateCandidatesAfterPlacement(state, row, col, puzzle.solution[cell], switches,
                                               view);
        ASSERT_TRUE(KeepsSolution(state, puzzle.solution)) << "after placing at " << cell;

        // Running the techniques again may still narrow the grid (a box's Single Candidate
        // removals do not count as a change, so a pass can stop before they bear fruit), but it
        // only removes digits and never loses the solution.
        GameState again = state;
        solver::ApplyTechniques(again.candidates, switches);
        for (int i = 0; i < board::kCellCount; ++i) {
          ASSERT_EQ(again.candidates.MaskAt(i) & ~state.candidates.MaskAt(i), 0) << "cell " << i;
        }
        ASSERT_TRUE(KeepsSolution(again, puzzle.solution)) << "running again after " << cell;
      }
    }
  }
  // Without working techniques the checks above would pass vacuously: with all aids on, most of
  // these puzzles must come out with one candidate in every empty cell.
  EXPECT_GT(solved_by_aids, kPuzzles / 2);
}

}  // namespace
}  // namespace kvadrix
