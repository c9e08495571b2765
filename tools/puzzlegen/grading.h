#pragma once
// The library's levels, judged by the lowest technique set that solves a puzzle from its givens.
#include "solver/exact_solver.h"

namespace kvadrix::puzzlegen {

enum class Difficulty {
  kSingles,         // naked and hidden singles
  kCandidateLines,  // needs the game's Candidate Lines
  kStrong,          // needs the grader's stronger techniques
  kBeyond,          // none of them: trial and error
};

Difficulty GradeDifficulty(const solver::Grid81& givens);

int CountGivens(const solver::Grid81& givens);

inline constexpr int kFewestEasyGivens = 34;    // "Könnyű"
inline constexpr int kFewestMediumGivens = 25;  // "Közepes"

// The LevelCode of a numbered level ('E', 'A', 'H', 'M' or 'I') the puzzle belongs to, or 0
// when it belongs to none: not exactly one solution, or singles alone with under 25 givens.
char NumberedLevelOf(const solver::Grid81& givens);

}  // namespace kvadrix::puzzlegen
