#pragma once
// Exact solution counting by bitmask search with minimum remaining values.
// Not a human technique: used to check that puzzles have exactly one solution.
#include <array>
#include <cstdint>

namespace kvadrix::solver {

// 81 cells row by row; 0 = empty, 1..9 = digit.
using Grid81 = std::array<uint8_t, 81>;

// Counts solutions up to `limit` (stops searching there). Givens that clash give 0.
// When `solution` is given and at least one solution exists, it receives the first found.
int CountSolutions(const Grid81& givens, int limit, Grid81* solution = nullptr);

}  // namespace kvadrix::solver
