#pragma once
// Taking givens away from a puzzle while it keeps a wanted property.
#include <functional>

#include "puzzlegen/rng.h"
#include "solver/exact_solver.h"

namespace kvadrix::puzzlegen {

using PuzzleTest = std::function<bool(const solver::Grid81&)>;

struct Reduction {
  int target = 0;          // stop once this many givens remain (0: go on to the end)
  bool symmetric = false;  // a cell and its partner under the half-turn go together
};

// Visits the given cells in random order and empties each (with its partner) when `keep` accepts
// the smaller puzzle; otherwise puts it back. With target 0 the result is minimal for `keep`.
solver::Grid81 ReduceGivens(solver::Grid81 givens, Rng& rng, const Reduction& reduction,
                            const PuzzleTest& keep);

// The test that keeps a puzzle's solution unique.
bool HasOneSolution(const solver::Grid81& givens);

}  // namespace kvadrix::puzzlegen
