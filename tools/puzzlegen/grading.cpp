#include "puzzlegen/grading.h"

#include <algorithm>

#include "puzzlegen/human_solver.h"

namespace kvadrix::puzzlegen {

Difficulty GradeDifficulty(const solver::Grid81& givens) {
  if (SolveWith(givens, TechniqueSet::kSingles).solved) return Difficulty::kSingles;
  if (SolveWith(givens, TechniqueSet::kCandidateLines).solved) return Difficulty::kCandidateLines;
  if (SolveWith(givens, TechniqueSet::kStrong).solved) return Difficulty::kStrong;
  return Difficulty::kBeyond;
}

int CountGivens(const solver::Grid81& givens) {
  return static_cast<int>(std::count_if(givens.begin(), givens.end(), [](uint8_t d) { return d; }));
}

char NumberedLevelOf(const solver::Grid81& givens) {
  if (solver::CountSolutions(givens, 2) != 1) return 0;
  switch (GradeDifficulty(givens)) {
    case Difficulty::kSingles: {
      const int count = CountGivens(givens);
      if (count >= kFewestEasyGivens) return 'E';
      return count >= kFewestMediumGivens ? 'A' : 0;
    }
    case Difficulty::kCandidateLines:
      return 'H';
    case Difficulty::kStrong:
      return 'M';
    case Difficulty::kBeyond:
      return 'I';
  }
  return 0;
}

}  // namespace kvadrix::puzzlegen
