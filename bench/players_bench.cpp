// Best times over a large result table: one cell's query, the play page's labels, and the
// whole summary.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "players/best_results.h"
#include "players/player_tables.h"
#include "players/summary.h"

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
  tables::TableStore puzzles({tables::IntegerField("ID"), tables::StringField("Nehezseg", 1),
                              tables::IntegerField("Sorszam"), tables::StringField("Mezok", 243)});
  puzzles.SetIndexFieldNames("ID");
  puzzles.CreateDataSet();
  for (int index = 0; index < 5 * kPuzzlesPerLevel; ++index) {
    puzzles.Append();
    puzzles.FieldByName("ID").SetAsInteger(PuzzleId(index));
    puzzles.FieldByName("Nehezseg").SetAsString(std::string(1, "EAHMI"[index / kPuzzlesPerLevel]));
    puzzles.FieldByName("Sorszam").SetAsInteger(index % kPuzzlesPerLevel + 1);
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

}  // namespace
}  // namespace kvadrix::players
