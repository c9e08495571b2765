// "Excel-be" without the desktop: the worksheet from a game's Board, and writing it as a new
// workbook file (in a folder of its own, emptied as the benchmark goes).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_puzzle.h"
#include "board/game_state.h"
#include "board/givens.h"
#include "export/board_export.h"
#include "export/board_sheet.h"

namespace kvadrix::bench {
namespace {

board::Board GameBoard() {
  board::GameState state;
  board::ResetBoard(state);
  board::ApplyGivens(state, kGivens25);
  return state.board;
}

void BoardSheet(benchmark::State& bench_state) {
  const board::Board board = GameBoard();
  for (auto _ : bench_state) benchmark::DoNotOptimize(sheet::BoardSheet(board));
}

void ExportBoard(benchmark::State& bench_state) {
  const board::Board board = GameBoard();
  const auto folder = std::filesystem::temp_directory_path() / "kvadrix_export_bench";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (auto _ : bench_state) {
    // Removing each file keeps the name search at its first try, as after a fresh start.
    std::filesystem::remove(sheet::ExportBoard(board, folder, "Kvadrix Könnyű 1 2026-12-09"));
  }
  std::filesystem::remove_all(folder);
}

BENCHMARK(BoardSheet)->Name("BM_BoardSheet");
BENCHMARK(ExportBoard)->Name("BM_ExportBoard")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kvadrix::bench
