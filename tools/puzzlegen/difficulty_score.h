#pragma once
// How much work a human solver needs for a puzzle, the measure each level is ordered by.
//
// The score is a pair compared in order:
//  1. the hardest technique the puzzle needs: a solver that always takes the simplest technique
//     that makes progress (the list below, in that order) solves it, and this is the hardest one
//     it had to reach for. A puzzle no technique finishes needs trials.
//  2. the effort of the rounds on the way. Each round first counts what the simplest technique
//     that makes progress offers: the singles that could be placed now (naked or hidden), or
//     the candidates the first elimination technique that has any would remove. Finding one of
//     n offers takes a searcher about 1/n of the time of finding the only one, so the round
//     costs the technique's weight divided by n. A singles round places one digit (the first in
//     row order); an elimination round makes all its removals; a trial places the solution's
//     digit in the first cell with the fewest candidates and costs its weight times the other
//     candidates that cell had. The effort is the sum over rounds.
// So a puzzle whose singles flow in crowds is easier than one of the same technique where each
// placement has to be hunted down, and every missing given adds rounds.
#include <compare>
#include <string_view>

#include "solver/exact_solver.h"

namespace kvadrix::puzzlegen {

// Simplest first; the order in which the solver tries them.
enum class Technique {
  kSingle,          // naked or hidden single
  kCandidateLines,  // the game's Candidate Lines: box to line
  kLineToBox,
  kNakedPair,
  kHiddenPair,
  kNakedTriple,
  kHiddenTriple,
  kXWing,
  kTrial,  // no technique helps: one cell's digit is tried
};

std::string_view TechniqueName(Technique technique);

// What one round costs when it offers a single placement or removal.
double TechniqueWeight(Technique technique);

struct DifficultyScore {
  Technique hardest = Technique::kSingle;
  double effort = 0;

  friend auto operator<=>(const DifficultyScore&, const DifficultyScore&) = default;
};

// The score of a puzzle with exactly one solution.
DifficultyScore ScoreDifficulty(const solver::Grid81& givens);

}  // namespace kvadrix::puzzlegen
