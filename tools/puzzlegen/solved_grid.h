#pragma once
// Random solved grids for the generator.
#include "puzzlegen/rng.h"
#include "solver/exact_solver.h"

namespace kvadrix::puzzlegen {

// Random digits in the three diagonal boxes (which never clash), completed by the exact solver,
// then relabelled, with bands, stacks and the lines inside them shuffled and a chance of
// transposition, so the solver's fixed search order leaves no trace.
solver::Grid81 RandomSolvedGrid(Rng& rng);

}  // namespace kvadrix::puzzlegen
