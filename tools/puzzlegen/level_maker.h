#pragma once
// Makes the puzzles of one level of the library.
#include <cstdint>
#include <set>
#include <vector>

#include "solver/exact_solver.h"

namespace kvadrix::puzzlegen {

// LevelCode 'E', 'A', 'H', 'M', 'I' or 'T'. Every puzzle has exactly one solution and belongs to
// the level; none is in `taken`, and each one made is added to it. The same seed gives the same
// puzzles. Throws kvadrix::Error for an unknown LevelCode.
std::vector<solver::Grid81> MakeLevelPuzzles(char code, int count, uint64_t seed,
                                             std::set<solver::Grid81>& taken);

}  // namespace kvadrix::puzzlegen
