// Starting a game in the core: the record's givens onto an empty Board, then candidates with
// every aid on (no widgets).
#include <benchmark/benchmark.h>

#include "bench_puzzle.h"
#include "board/givens.h"
#include "solver/candidates.h"

namespace kvadrix::bench {
namespace {

void StartGame(benchmark::State& bench_state) {
  board::GameState state;
  solver::NullCandidateView view;
  for (auto _ : bench_state) {
    board::ResetBoard(state);
    board::ApplyGivens(state, kGivens25);
    solver::RecomputeCandidates(state, solver::kAllAids, view);
    benchmark::DoNotOptimize(state.candidates);
  }
}

BENCHMARK(StartGame)->Name("BM_StartGame");

}  // namespace
}  // namespace kvadrix::bench
