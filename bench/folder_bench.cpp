// What the play folder's lock and the check for other windows' saves cost: a save as the game
// runs it against the bare save after the same change, and a save that first re-reads a file
// another window saved.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <string>

#include "bench_folder.h"
#include "players/completion_records.h"
#include "players/last_game_row.h"
#include "players/player_tables.h"
#include "tables/table_store.h"

namespace kvadrix::players {
namespace {

constexpr int kPlayers = 5;

void AppendResult(tables::TableStore& results, int32_t key, int32_t puzzle_id, int32_t ido) {
  results.Append();
  results.FieldByName(kNevkod).SetAsInteger(key);
  results.FieldByName(kJatekkod).SetAsInteger(puzzle_id);
  results.FieldByName(kDatum).SetAsDateTime(46000);
  results.FieldByName(kIdo).SetAsInteger(ido);
  results.Post();
}

tables::TableStore Results(int count) {
  tables::TableStore results = MakeResultTable();
  results.CreateDataSet();
  std::mt19937 random(7);
  for (int row = 0; row < count; ++row) {
    AppendResult(results, 1 + static_cast<int32_t>(random() % kPlayers),
                 10001 + static_cast<int32_t>(random() % 1500),
                 60 + static_cast<int32_t>(random() % 3000));
  }
  return results;
}

tables::TableStore LastGames() {
  tables::TableStore last_games = MakeLastGameTable();
  last_games.CreateDataSet();
  for (int key = 1; key <= kPlayers; ++key) {
    last_games.Append();
    last_games.FieldByName(kNevkod).SetAsInteger(key);
    last_games.FieldByName(kJatekkod).SetAsInteger(10000 + key);
    last_games.FieldByName(kTeljes).SetAsBoolean(false);
    last_games.FieldByName(kFelbe).SetAsInteger(100);
    last_games.Post();
  }
  return last_games;
}

// A completion's result row, nobody else saving: with the lock and the check, as the game does.
void BM_RecordResultLocked(benchmark::State& state) {
  const BenchFolder folder;
  tables::TableStore results = Results(static_cast<int>(state.range(0)));
  results.SaveToFile(folder.path() / kResultFile);
  for (auto _ : state) {
    benchmark::DoNotOptimize(RecordResult(results, folder.path(), 3, 10042, 46000.5, 46000.501));
  }
}
BENCHMARK(BM_RecordResultLocked)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same row appended and saved without the lock and the check.
void BM_RecordResultBare(benchmark::State& state) {
  const BenchFolder folder;
  tables::TableStore results = Results(static_cast<int>(state.range(0)));
  const std::filesystem::path file = folder.path() / kResultFile;
  results.SaveToFile(file);
  for (auto _ : state) {
    AppendResult(results, 3, 10042, 129);
    results.SaveToFile(file);
  }
}
BENCHMARK(BM_RecordResultBare)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A player's last-game row on a table of five players: the file is small, so the lock and the
// check weigh most here.
void BM_WriteLastGameLocked(benchmark::State& state) {
  const BenchFolder folder;
  tables::TableStore last_games = LastGames();
  last_games.SaveToFile(folder.path() / kLastGameFile);
  int32_t puzzle = 10001;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WriteLastGameRow(last_games, folder.path(), 3, puzzle++, false, 200));
  }
}
BENCHMARK(BM_WriteLastGameLocked)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_WriteLastGameBare(benchmark::State& state) {
  const BenchFolder folder;
  tables::TableStore last_games = LastGames();
  const std::filesystem::path file = folder.path() / kLastGameFile;
  last_games.SaveToFile(file);
  int32_t puzzle = 10001;
  for (auto _ : state) {
    last_games.SetFiltered(false);
    last_games.First();
    for (int key = 1; key < 3; ++key) last_games.Next();  // the row of key 3
    if (last_games.FieldByName(kNevkod).AsInteger() != 3) {
      state.SkipWithError("not the row of key 3");
      break;
    }
    last_games.Edit();
    last_games.FieldByName(kJatekkod).SetAsInteger(puzzle++);
    last_games.FieldByName(kTeljes).SetAsBoolean(false);
    last_games.FieldByName(kFelbe).SetAsInteger(200);
    last_games.Post();
    last_games.SaveToFile(file);
  }
}
BENCHMARK(BM_WriteLastGameBare)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Another window saved the 100,000 results since this one did: the completion re-reads the file,
// appends its row and saves. The other window's save is left out of the time.
void BM_RecordResultAfterOtherWindow(benchmark::State& state) {
  const BenchFolder folder;
  const std::filesystem::path file = folder.path() / kResultFile;
  tables::TableStore other = Results(100000);
  other.SaveToFile(file);
  tables::TableStore results = MakeResultTable();
  results.LoadFromFile(file);
  for (auto _ : state) {
    state.PauseTiming();
    other.Refresh(file);
    AppendResult(other, 1, 10001, 99);
    other.SaveToFile(file);
    state.ResumeTiming();
    benchmark::DoNotOptimize(RecordResult(results, folder.path(), 3, 10042, 46000.5, 46000.501));
  }
  state.counters["rows"] = results.RecordCount();
}
BENCHMARK(BM_RecordResultAfterOtherWindow)
    ->Name("BM_RecordResultAfterOtherWindow/results100k")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kvadrix::players
