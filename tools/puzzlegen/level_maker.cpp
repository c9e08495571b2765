#include "puzzlegen/level_maker.h"

#include <string>

#include "common/error.h"
#include "puzzlegen/grading.h"
#include "puzzlegen/human_solver.h"
#include "puzzlegen/reduction.h"
#include "puzzlegen/rng.h"
#include "puzzlegen/solved_grid.h"

namespace kvadrix::puzzlegen {
namespace {

bool SolvedBySingles(const solver::Grid81& givens) {
  return SolveWith(givens, TechniqueSet::kSingles).solved;
}

// Singles only: givens go while singles still solve the puzzle (which keeps it unique), down to
// a target drawn from the level's range of given counts.
solver::Grid81 SinglesPuzzle(Rng& rng, int fewest, int most) {
  const solver::Grid81 solution = RandomSolvedGrid(rng);
  const int target = fewest + static_cast<int>(rng.Below(static_cast<uint32_t>(most - fewest + 1)));
  return ReduceGivens(solution, rng, Reduction{.target = target}, SolvedBySingles);
}

// A minimal puzzle: no given can go without a second solution appearing. The harder levels
// are sorted out of these by grading.
solver::Grid81 MinimalPuzzle(Rng& rng, bool symmetric) {
  const solver::Grid81 solution = RandomSolvedGrid(rng);
  return ReduceGivens(solution, rng, Reduction{.symmetric = symmetric}, HasOneSolution);
}

solver::Grid81 Candidate(char code, Rng& rng) {
  switch (code) {
    case 'E':
      // Above the level's floor the count is a matter of taste: a few more givens than 34.
      return SinglesPuzzle(rng, kFewestEasyGivens, kFewestEasyGivens + 3);
    case 'A':
      return SinglesPuzzle(rng, kFewestMediumGivens, kFewestEasyGivens - 1);
    case 'H':
    case 'M':
    case 'I':
      return MinimalPuzzle(rng, false);
    case 'T':
      return MinimalPuzzle(rng, true);
  }
  throw Error(std::string("Ismeretlen nehézségi szint: ") + code);
}

bool Belongs(char code, const solver::Grid81& puzzle) {
  if (code == 'T') return HasOneSolution(puzzle);
  return NumberedLevelOf(puzzle) == code;
}

}  // namespace

std::vector<solver::Grid81> MakeLevelPuzzles(char code, int count, uint64_t seed,
                                             std::set<solver::Grid81>& taken) {
  Rng rng(seed);
  std::vector<solver::Grid81> puzzles;
  while (static_cast<int>(puzzles.size()) < count) {
    const solver::Grid81 puzzle = Candidate(code, rng);
    if (!Belongs(code, puzzle) || !taken.insert(puzzle).second) continue;
    puzzles.push_back(puzzle);
  }
  return puzzles;
}

}  // namespace kvadrix::puzzlegen
