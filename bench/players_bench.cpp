// Best times over a large result table: one cell's query, the play page's labels, and the
// whole summary.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "players/best_results.h"
#include "players/completion_records.h"
#include "players/player_tables.h"
#include "players/summary.h"
#include "puzzles/puzzle_table.h"

namespace kvadrix::players {
namespace {

constexpr int kResults = 100000;
constexpr int kPlayers = 5;
constexpr int kPuzzlesPerLevel = 300;

int32_t PuzzleId(int index) {
  return (index / kPuzzlesPerLevel + 1) * 10000 + index % kPuzzlesPerLevel + 1;
}

tables::TableStore Results() {
  tables::TableStore results = MakeResultTable();
  results.CreateDataSet();
  std::mt19937 random(7);
  for (int row = 0; row < kResults; ++row) {
    results.Append();
    results.FieldByName("NEVKOD").SetAsInteger(1 + static_cast<int32_t>(random() % kPlayers));
    results.FieldByName("JATEKKOD").SetAsInteger(PuzzleId(random() % (5 * kPuzzlesPerLevel)));
    results.FieldByName("DATUM").SetAsDateTime(45000);
    results.FieldByName("IDO").SetAsInteger(60 + static_cast<int32_t>(random() % 3000));
    results.Post();
  }
  return results;
}

tables::TableStore Players() {
  tables::TableStore players = MakePlayerTable();
  players.CreateDataSet();
  for (int key = 1; key <= kPlayers; ++key) {
    players.Append();
    players.FieldByName("KOD").SetAsInteger(key);
    players.FieldByName("NEV").SetAsString("Játékos" + std::to_string(key));
    players.Post();
  }
  return players;
}

tables::TableStore Puzzles() {
  tables::TableStore puzzles(puzzles::PuzzleFields());
  puzzles.SetIndexFieldNames(puzzles::kId);
  puzzles.CreateDataSet();
  for (int index = 0; index < 5 * kPuzzlesPerLevel; ++index) {
    puzzles.Append();
    puzzles.FieldByName(puzzles::kId).SetAsInteger(PuzzleId(index));
    puzzles.FieldByName(puzzles::kNehezseg)
        .SetAsString(std::string(1, "EAHMI"[index / kPuzzlesPerLevel]));
    puzzles.FieldByName(puzzles::kSorszam).SetAsInteger(index % kPuzzlesPerLevel + 1);
    puzzles.Post();
  }
  return puzzles;
}

void BM_BestTimeText(benchmark::State& state) {
  tables::TableStore results = Results();
  BestTimeText(results, "1", "10001");  // the first query orders the table once
  int puzzle = 0;
  for (auto _ : state) {
    const std::string id = std::to_string(PuzzleId(puzzle++ % (5 * kPuzzlesPerLevel)));
    benchmark::DoNotOptimize(BestTimeText(results, "3", id));
  }
}
BENCHMARK(BM_BestTimeText)->Name("BM_BestTimeText/results100k")->Unit(benchmark::kMicrosecond);

void BM_ShowBestResults(benchmark::State& state) {
  tables::TableStore results = Results();
  tables::TableStore players = Players();
  ShowBestResults(results, players, 1, 10001);
  for (auto _ : state) benchmark::DoNotOptimize(ShowBestResults(results, players, 3, 20042));
}
BENCHMARK(BM_ShowBestResults)
    ->Name("BM_ShowBestResults/results100k")
    ->Unit(benchmark::kMicrosecond);

void BM_BuildSummary(benchmark::State& state) {
  tables::TableStore results = Results();
  tables::TableStore players = Players();
  tables::TableStore puzzles = Puzzles();
  tables::TableStore summary = MakeSummaryTable();
  summary.CreateDataSet();
  for (auto _ : state) {
    benchmark::DoNotOptimize(BuildSummary(summary, players, puzzles, results));
  }
}
BENCHMARK(BM_BuildSummary)
    ->Name("BM_BuildSummary/results100k_puzzles1500")
    ->Unit(benchmark::kMillisecond);

// One completion's result row: appended to a table of 100,000 and the whole file replaced
// atomically (with its fsyncs), as every completion does.
void BM_RecordResult(benchmark::State& state) {
  tables::TableStore results = Results();
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kvadrix_bench_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  results.SaveToFile(folder / kResultFile);
  for (auto _ : state) {
    benchmark::DoNotOptimize(RecordResult(results, folder, 3, 20042, 46000.5, 46000.501));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecordResult)
    ->Name("BM_RecordResult/results100k")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kvadrix::players
