#pragma once
// Exact solution counting by bitmask search with minimum remaining values.
// Not a human technique: used to check that puzzles have exactly one solution.
#include "board/cells.h"

namespace kvadrix::solver {

using board::Grid81;

// Counts solutions up to `limit` (stops searching there). Givens that clash give 0.
// When `solution` is given and at least one solution exists, it receives the first found.
int CountSolutions(const Grid81& givens, int limit, Grid81* solution = nullptr);

}  // namespace kvadrix::solver
