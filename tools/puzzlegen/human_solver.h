#pragma once
// Solves a puzzle the way a player with a given set of techniques would: the game's own
// candidate computation and techniques, single-candidate cells placed one after the other, and
// for the strongest set the grader's own techniques when the game's run out.
#include "board/game_state.h"
#include "solver/exact_solver.h"

namespace kvadrix::puzzlegen {

// Each set contains the ones before it.
enum class TechniqueSet {
  kSingles,         // naked and hidden singles: what "Teljes" reaches with every aid off
  kCandidateLines,  // plus the game's Candidate Lines (box to line)
  kStrong,          // plus line to box, naked and hidden pairs and triples, X-wing
};

struct HumanSolveResult {
  bool solved = false;
  solver::Grid81 grid{};  // the digits placed so far, givens included
};

// Solves as far as the set reaches. Every technique is sound, so a puzzle it solves has exactly
// one solution, and the placed digits are that solution's.
HumanSolveResult SolveWith(const solver::Grid81& givens, TechniqueSet set);

}  // namespace kvadrix::puzzlegen
