// A click's placement through the rules, and "Teljes" from a hard puzzle's start, in the core
// alone, with every aid on and the clock running.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "bench_puzzle.h"
#include "board/givens.h"
#include "puzzles/puzzle_table.h"
#include "solver/assisted_solving.h"
#include "solver/candidates.h"
#include "solver/exact_solver.h"
#include "solver/moves.h"
#include "tables/table_store.h"

namespace kvadrix::bench {
namespace {

constexpr solver::MoveSwitches kSwitches{solver::kAllAids, false, true};

board::GameState Started(std::string_view givens) {
  board::GameState state;
  board::ApplyGivens(state, givens);
  solver::NullCandidateView view;
  solver::RecomputeCandidates(state, solver::kAllAids, view);
  board::ColourPlayerCells(state);
  return state;
}

// Timed per iteration: copying a mid-game position (about 1 KB) and one correct click on its
// next empty cell, with the candidate update and all three techniques.
void PlaceDigitAllAids(benchmark::State& bench_state) {
  board::GameState mid_game = Started(kGivens25);
  solver::Grid81 solution{};
  if (solver::CountSolutions(mid_game.board.AllCells(), 2, &solution) != 1) std::abort();
  int placed = 0;
  int next = 0;
  for (; next < board::kCellCount && placed < 28; ++next) {
    if (mid_game.board.AtIndex(next) != 0) continue;
    solver::PlaceDigit(mid_game, kSwitches, board::RowOf(next), board::ColOf(next), solution[next]);
    ++placed;
  }
  while (mid_game.board.AtIndex(next) != 0) ++next;
  for (auto _ : bench_state) {
    board::GameState state = mid_game;
    solver::PlaceDigit(state, kSwitches, board::RowOf(next), board::ColOf(next), solution[next]);
    benchmark::DoNotOptimize(state.candidates);
  }
}
BENCHMARK(PlaceDigitAllAids)->Name("BM_PlaceDigit/all_aids");

// A "Nehéz" puzzle of the shipped library (game 1 before the levels were ordered by difficulty;
// its ID keeps its grid), from its start to where "Teljes" stops.
void TeljesHard(benchmark::State& bench_state) {
  tables::TableStore library;
  library.LoadFromFile(std::string(KVADRIX_SOURCE_DIR) + "/data/sudoku.xml");
  library.SetFilter("ID=30136");
  library.SetFiltered(true);
  const board::GameState start = Started(puzzles::CurrentPuzzle(library).givens);
  int left = 0;
  for (auto _ : bench_state) {
    board::GameState state = start;
    solver::SolveAsFarAsPossible(state, kSwitches);
    left = state.remaining_count;
  }
  bench_state.counters["cells_left"] = left;
}
BENCHMARK(TeljesHard)->Name("BM_Teljes/hard")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kvadrix::bench
