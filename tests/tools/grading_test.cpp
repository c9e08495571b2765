// The grader: technique sets nest, solve only toward the one solution, and the level rules
// (techniques first, then the count of givens for the two easy levels) hold at their edges.
#include "puzzlegen/grading.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "common/error.h"
#include "puzzlegen/human_solver.h"
#include "puzzlegen/level_maker.h"
#include "puzzlegen/reduction.h"
#include "puzzlegen/solved_grid.h"

namespace kvadrix::puzzlegen {
namespace {

bool SolvedBySingles(const solver::Grid81& givens) {
  return SolveWith(givens, TechniqueSet::kSingles).solved;
}

TEST(GradingTest, TechniqueSetsNestAndSolveToTheOneSolution) {
  Rng rng(11);
  std::map<Difficulty, int> seen;
  for (int n = 0; n < 80; ++n) {
    const solver::Grid81 solution = RandomSolvedGrid(rng);
    const solver::Grid81 givens = ReduceGivens(solution, rng, Reduction{}, HasOneSolution);
    bool solved_below = false;
    for (TechniqueSet set :
         {TechniqueSet::kSingles, TechniqueSet::kCandidateLines, TechniqueSet::kStrong}) {
      const HumanSolveResult result = SolveWith(givens, set);
      if (solved_below) {
        EXPECT_TRUE(result.solved) << "a stronger set lost a puzzle, " << n;
      }
      for (int i = 0; i < 81; ++i) {
        if (result.grid[i] != 0) {
          ASSERT_EQ(result.grid[i], solution[i]) << n << " cell " << i;
        }
        if (givens[i] != 0) {
          ASSERT_EQ(result.grid[i], givens[i]);
        }
      }
      solved_below = result.solved;
    }
    ++seen[GradeDifficulty(givens)];
  }
  // Random minimal puzzles reach every grade.
  EXPECT_EQ(seen.size(), 4u);
}

TEST(GradingTest, LevelsFollowTechniquesThenGivenCounts) {
  std::set<solver::Grid81> taken;
  const solver::Grid81 easy = MakeLevelPuzzles('E', 1, 3, taken)[0];
  ASSERT_GE(CountGivens(easy), 34);
  EXPECT_EQ(NumberedLevelOf(easy), 'E');

  // The same puzzle with fewer givens, still solved by singles alone, turns "Közepes" at 33
  // and belongs to no numbered level once under 25.
  Rng rng(5);
  const solver::Grid81 medium = ReduceGivens(easy, rng, Reduction{.target = 33}, SolvedBySingles);
  ASSERT_EQ(CountGivens(medium), 33);
  EXPECT_EQ(NumberedLevelOf(medium), 'A');
  solver::Grid81 sparse{};
  for (int tries = 0; tries < 50; ++tries) {
    sparse = ReduceGivens(RandomSolvedGrid(rng), rng, Reduction{}, SolvedBySingles);
    if (CountGivens(sparse) < 25) break;
  }
  ASSERT_LT(CountGivens(sparse), 25);
  EXPECT_EQ(GradeDifficulty(sparse), Difficulty::kSingles);
  EXPECT_EQ(NumberedLevelOf(sparse), 0);

  // A minimal puzzle missing one more given has two solutions: no level, and nothing solves it.
  const solver::Grid81 hard = MakeLevelPuzzles('I', 1, 3, taken)[0];
  EXPECT_EQ(NumberedLevelOf(hard), 'I');
  EXPECT_FALSE(SolveWith(hard, TechniqueSet::kStrong).solved);
  solver::Grid81 open = hard;
  for (uint8_t& digit : open) {
    if (digit != 0) {
      digit = 0;
      break;
    }
  }
  EXPECT_EQ(NumberedLevelOf(open), 0);
  EXPECT_FALSE(SolveWith(open, TechniqueSet::kStrong).solved);
}

TEST(GradingTest, LevelMakerKeepsToItsLevelAndSkipsTakenPuzzles) {
  for (char code : {'E', 'A', 'H', 'M', 'I', 'T'}) {
    std::set<solver::Grid81> taken;
    const std::vector<solver::Grid81> made = MakeLevelPuzzles(code, 3, 99, taken);
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(taken.size(), 3u) << code;
    for (const solver::Grid81& puzzle : made) {
      EXPECT_EQ(solver::CountSolutions(puzzle, 2), 1) << code;
      if (code != 'T') {
        EXPECT_EQ(NumberedLevelOf(puzzle), code);
      }
    }
    // With the first puzzle already taken, the same seed moves on to the next one.
    std::set<solver::Grid81> first_taken{made[0]};
    const std::vector<solver::Grid81> again = MakeLevelPuzzles(code, 2, 99, first_taken);
    EXPECT_EQ(again[0], made[1]) << code;
    EXPECT_EQ(again[1], made[2]) << code;
  }
  // "Többi" puzzles are symmetric under the half-turn.
  std::set<solver::Grid81> taken;
  for (const solver::Grid81& puzzle : MakeLevelPuzzles('T', 3, 5, taken)) {
    for (int i = 0; i < 81; ++i) EXPECT_EQ(puzzle[i] != 0, puzzle[80 - i] != 0);
  }
  EXPECT_THROW(MakeLevelPuzzles('X', 1, 1, taken), Error);
}

}  // namespace
}  // namespace kvadrix::puzzlegen
