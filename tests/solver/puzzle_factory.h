#pragma once
// Random puzzles with exactly one solution, reproducible from the generator's seed.
#include <random>
#include <string>

#include "solver/exact_solver.h"

namespace kvadrix::testing {

struct GeneratedPuzzle {
  solver::Grid81 givens{};
  solver::Grid81 solution{};
  std::string mezok;  // the givens as a puzzle record writes them: row, column, digit
};

// A shuffled solved grid, then givens taken away in random order while the solution stays unique.
GeneratedPuzzle MakePuzzle(std::mt19937& rng);

}  // namespace kvadrix::testing
