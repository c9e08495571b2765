// Candidate updates as a click or a switched aid runs them; the labels get a view that
// does nothing, so only the core is measured.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench_puzzle.h"
#include "board/givens.h"
#include "solver/candidates.h"
#include "solver/exact_solver.h"

namespace kvadrix::bench {
namespace {

board::GameState StartPosition() {
  board::GameState state;
  board::ApplyGivens(state, kGivens25);
  solver::NullCandidateView view;
  solver::RecomputeCandidates(state, solver::kAllAids, view);
  return state;
}

void RecomputeAllAids(benchmark::State& bench_state) {
  board::GameState state = StartPosition();
  solver::NullCandidateView view;
  for (auto _ : bench_state) {
    solver::RecomputeCandidates(state, solver::kAllAids, view);
    benchmark::DoNotOptimize(state.candidates);
  }
}

// Timed per iteration: copying the prepared start position (under 1 KB), writing the solution's
// digit into the first empty cell, and UpdateCandidatesAfterPlacement with all aids.
void UpdateAfterPlacementAllAids(benchmark::State& bench_state) {
  const board::GameState prepared = StartPosition();
  solver::Grid81 solution{};
  if (solver::CountSolutions(prepared.board.AllCells(), 2, &solution) != 1) std::abort();
  int cell = 0;
  while (prepared.board.AtIndex(cell) != 0) ++cell;
  const int row = board::RowOf(cell), col = board::ColOf(cell), digit = solution[cell];
  solver::NullCandidateView view;
  board::GameState state;
  for (auto _ : bench_state) {
    state = prepared;
    state.board.Set(row, col, digit);
    state.candidates.Clear(row, col);
    solver::UpdateCandidatesAfterPlacement(state, row, col, digit, solver::kAllAids, view);
    benchmark::DoNotOptimize(state.candidates);
  }
}

BENCHMARK(RecomputeAllAids)->Name("BM_RecomputeCandidates/all_aids");
BENCHMARK(UpdateAfterPlacementAllAids)->Name("BM_UpdateAfterPlacement/all_aids");

}  // namespace
}  // namespace kvadrix::bench
