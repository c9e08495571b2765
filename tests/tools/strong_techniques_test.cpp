// The grader's own techniques on crafted grids, and on real puzzles where none may ever remove
// a digit of the solution.
#include "puzzlegen/strong_techniques.h"

#include <gtest/gtest.h>

#include "board/game_state.h"
#include "puzzlegen/reduction.h"
#include "puzzlegen/solved_grid.h"
#include "solver/candidate_view.h"
#include "solver/candidates.h"
#include "support/grid_builder.h"

namespace kvadrix::puzzlegen {
namespace {

using board::CandidateGrid;
using ::kvadrix::testing::GridOf;
using ::kvadrix::testing::MaskOf;

std::string_view At(const CandidateGrid& grid, int row, int col) { return grid.Text(row, col); }

TEST(StrongTechniquesTest, ClaimLineToBoxClearsTheBoxOutsideTheLine) {
  // 5 in row 2 only inside box 1; box 1 holds it elsewhere too, box 2 does not matter.
  CandidateGrid grid = GridOf({{2, 1, "15"},
                               {2, 3, "57"},
                               {2, 5, "12"},
                               {1, 2, "25"},
                               {3, 3, "56"},
                               {1, 5, "58"},
                               {4, 3, "35"}});
  EXPECT_TRUE(ClaimLineToBox(grid));
  EXPECT_EQ(At(grid, 1, 2), "2");
  EXPECT_EQ(At(grid, 3, 3), "6");
  EXPECT_EQ(At(grid, 2, 1), "15");
  EXPECT_EQ(At(grid, 2, 3), "57");
  EXPECT_EQ(At(grid, 1, 5), "58");  // other box
  EXPECT_FALSE(ClaimLineToBox(grid));

  // Columns too: 9 in column 7 only in rows 4 and 6 (box 6); row 5 holds it in two boxes.
  grid = GridOf({{4, 7, "49"}, {6, 7, "19"}, {5, 8, "39"}, {5, 2, "19"}});
  EXPECT_TRUE(ClaimLineToBox(grid));
  EXPECT_EQ(At(grid, 5, 8), "3");
  EXPECT_EQ(At(grid, 5, 2), "19");

  // Holders in two boxes, or a lone holder (a hidden single), claim nothing.
  grid = GridOf({{2, 1, "15"}, {2, 5, "57"}, {1, 2, "25"}, {8, 8, "34"}, {9, 9, "36"}});
  EXPECT_FALSE(ClaimLineToBox(grid));
}

TEST(StrongTechniquesTest, NakedPairsAndTriplesClearTheirUnit) {
  CandidateGrid grid =
      GridOf({{1, 1, "12"}, {1, 5, "12"}, {1, 9, "123"}, {1, 3, "24"}, {2, 2, "12"}});
  EXPECT_TRUE(NakedSubsets(grid, 2));
  EXPECT_EQ(At(grid, 1, 9), "3");
  EXPECT_EQ(At(grid, 1, 3), "4");
  EXPECT_EQ(At(grid, 1, 1), "12");
  EXPECT_EQ(At(grid, 2, 2), "12");

  // A triple need not hold all three digits in every cell; in a box here.
  grid = GridOf({{4, 4, "47"}, {5, 5, "78"}, {6, 6, "48"}, {4, 6, "4789"}, {6, 4, "17"}});
  EXPECT_FALSE(NakedSubsets(grid, 2));
  EXPECT_TRUE(NakedSubsets(grid, 3));
  EXPECT_EQ(At(grid, 4, 6), "9");
  EXPECT_EQ(At(grid, 6, 4), "1");

  // Three cells with four digits between them are no triple.
  grid = GridOf({{7, 1, "12"}, {7, 2, "23"}, {7, 3, "34"}, {7, 9, "1234"}});
  EXPECT_FALSE(NakedSubsets(grid, 3));
}

TEST(StrongTechniquesTest, HiddenPairsAndTriplesStripTheirCells) {
  // 3 and 6 occur in column 4 only at rows 2 and 7.
  CandidateGrid grid =
      GridOf({{2, 4, "1369"}, {7, 4, "2368"}, {4, 4, "1259"}, {5, 4, "1289"}, {6, 4, "1257"}});
  EXPECT_TRUE(HiddenSubsets(grid, 2));
  EXPECT_EQ(At(grid, 2, 4), "36");
  EXPECT_EQ(At(grid, 7, 4), "36");
  EXPECT_EQ(At(grid, 4, 4), "1259");
  EXPECT_EQ(At(grid, 5, 4), "1289");

  // 1, 4 and 7 confined to three cells of row 9, not each in every one of them.
  grid = GridOf({{9, 1, "14258"}, {9, 5, "4758"}, {9, 9, "1725"}, {9, 2, "258"}, {9, 3, "2589"}});
  EXPECT_FALSE(HiddenSubsets(grid, 2));
  EXPECT_TRUE(HiddenSubsets(grid, 3));
  EXPECT_EQ(At(grid, 9, 1), "14");
  EXPECT_EQ(At(grid, 9, 5), "47");
  EXPECT_EQ(At(grid, 9, 9), "17");
  EXPECT_EQ(At(grid, 9, 3), "2589");
}

TEST(StrongTechniquesTest, XWingClearsTheCrossingLines) {
  // 3 in rows 2 and 6 only in columns 2 and 7.
  CandidateGrid grid = GridOf({{2, 2, "13"},
                               {2, 7, "38"},
                               {6, 2, "34"},
                               {6, 7, "39"},
                               {4, 2, "23"},
                               {9, 7, "35"},
                               {4, 5, "35"}});
  EXPECT_TRUE(XWing(grid));
  EXPECT_EQ(At(grid, 4, 2), "2");
  EXPECT_EQ(At(grid, 9, 7), "5");
  EXPECT_EQ(At(grid, 4, 5), "35");
  EXPECT_EQ(At(grid, 2, 2), "13");

  // The same with columns as the base: 8 in columns 1 and 9 only in rows 3 and 5.
  grid = GridOf({{3, 1, "18"}, {5, 1, "28"}, {3, 9, "48"}, {5, 9, "68"}, {3, 5, "78"}});
  EXPECT_TRUE(XWing(grid));
  EXPECT_EQ(At(grid, 3, 5), "7");

  // Rows whose two holders sit in different columns make no X-wing.
  grid = GridOf({{2, 2, "13"}, {2, 7, "38"}, {6, 2, "34"}, {6, 8, "39"}, {4, 2, "23"}});
  EXPECT_FALSE(XWing(grid));
  EXPECT_EQ(At(grid, 4, 2), "23");
}

// Every empty cell still holds its solution digit.
::testing::AssertionResult HoldsSolution(const board::GameState& state,
                                         const solver::Grid81& solution) {
  for (int i = 0; i < board::kCellCount; ++i) {
    if (state.board.AtIndex(i) == 0 && !(state.candidates.MaskAt(i) & board::DigitBit(solution[i])))
      return ::testing::AssertionFailure() << "cell " << i << " lost " << int(solution[i]);
  }
  return ::testing::AssertionSuccess();
}

TEST(StrongTechniquesTest, NeverRemoveASolutionDigitOnRealPuzzles) {
  Rng rng(7);
  int removals = 0;
  for (int n = 0; n < 150; ++n) {
    const solver::Grid81 solution = RandomSolvedGrid(rng);
    const solver::Grid81 givens = ReduceGivens(solution, rng, Reduction{}, HasOneSolution);
    board::GameState state;
    board::ResetBoard(state);
    for (int i = 0; i < board::kCellCount; ++i) {
      if (givens[i]) board::SetGivenCell(state, board::RowOf(i), board::ColOf(i), givens[i]);
    }
    solver::NullCandidateView view;
    solver::RecomputeCandidates(state, solver::kAllAids, view);
    for (bool changed = true; changed;) {
      changed = false;
      for (auto technique : {+[](CandidateGrid& g) { return ClaimLineToBox(g); },
                             +[](CandidateGrid& g) { return NakedSubsets(g, 2); },
                             +[](CandidateGrid& g) { return NakedSubsets(g, 3); },
                             +[](CandidateGrid& g) { return HiddenSubsets(g, 2); },
                             +[](CandidateGrid& g) { return HiddenSubsets(g, 3); },
                             +[](CandidateGrid& g) { return XWing(g); }}) {
        if (!technique(state.candidates)) continue;
        changed = true;
        ++removals;
        ASSERT_TRUE(HoldsSolution(state, solution)) << "puzzle " << n;
      }
    }
  }
  EXPECT_GT(removals, 150);  // the loop really exercised the techniques
}

}  // namespace
}  // namespace kvadrix::puzzlegen
