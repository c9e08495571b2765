// The game's table work on play folders after years of a family's play (five players, twenty
// games each a day): empty, one year (36,500 results) and ten years (365,000 results). Each
// benchmark reports the process's peak memory as "peak_MB"; scripts/bench-playfolder runs each
// in a process of its own, so the peak is that benchmark's.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "bench_folder.h"
#include "generated_folder.h"
#include "players/best_results.h"
#include "players/change_player.h"
#include "players/completion_records.h"
#include "players/last_game.h"
#include "players/player_list.h"
#include "players/player_tables.h"
#include "players/summary.h"
#include "playfolder/play_history.h"
#include "puzzles/puzzle_selection.h"
#include "puzzles/puzzle_table.h"
#include "tables/file_writer.h"

namespace kvadrix::bench {
namespace {

using players::kLastGameFile;
using players::kPlayerFile;
using players::kResultFile;

// The stores of a started game, loaded as the start loads them: the results come in already
// ordered by time, as the window's worker orders them before handing them over.
struct GameTables {
  tables::TableStore players = players::MakePlayerTable();
  tables::TableStore results = players::MakeResultTable();
  tables::TableStore last_games = players::MakeLastGameTable();
  tables::TableStore puzzles;

  explicit GameTables(const std::filesystem::path& folder) {
    puzzles::LoadPuzzleTable(puzzles, folder / puzzles::kPuzzleFile);
    results.LoadOrCreate(folder / kResultFile);
    players::OrderResultsByTime(results);
    last_games.LoadOrCreate(folder / kLastGameFile);
    players::ReloadPlayerList(players, folder);
  }
  players::PlayerData Data() { return {players, results, last_games}; }
};

void Finish(benchmark::State& state) {
  state.counters["peak_MB"] = PeakMegabytes();
  state.SetLabel(std::to_string(state.range(0)) + " days");
}

void FolderArgs(benchmark::internal::Benchmark* bench) {
  bench->Arg(0)->Arg(365)->Arg(3650)->Unit(benchmark::kMillisecond)->UseRealTime();
}

// One table file read into a fresh store, as the start reads it.
template <tables::TableStore (*kMake)()>
void LoadTable(benchmark::State& state, std::string_view file) {
  const std::filesystem::path folder = GeneratedFolder(FamilyShape(state.range(0)));
  for (auto _ : state) {
    tables::TableStore store = kMake();
    store.LoadOrCreate(folder / file);
    benchmark::DoNotOptimize(store.StoredRecordCount());
  }
  Finish(state);
}
void BM_FolderLoadPlayers(benchmark::State& state) {
  LoadTable<players::MakePlayerTable>(state, kPlayerFile);
}
void BM_FolderLoadResults(benchmark::State& state) {
  LoadTable<players::MakeResultTable>(state, kResultFile);
}
void BM_FolderLoadLastGames(benchmark::State& state) {
  LoadTable<players::MakeLastGameTable>(state, kLastGameFile);
}
BENCHMARK(BM_FolderLoadPlayers)->Apply(FolderArgs);
BENCHMARK(BM_FolderLoadResults)->Apply(FolderArgs);
BENCHMARK(BM_FolderLoadLastGames)->Apply(FolderArgs);

void BM_FolderLoadPuzzles(benchmark::State& state) {
  const std::filesystem::path folder = GeneratedFolder(FamilyShape(state.range(0)));
  for (auto _ : state) {
    tables::TableStore store;
    puzzles::LoadPuzzleTable(store, folder / puzzles::kPuzzleFile);
    benchmark::DoNotOptimize(store.StoredRecordCount());
  }
  Finish(state);
}
BENCHMARK(BM_FolderLoadPuzzles)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every table the start reads.
void BM_FolderLoadAll(benchmark::State& state) {
  const std::filesystem::path folder = GeneratedFolder(FamilyShape(state.range(0)));
  for (auto _ : state) {
    GameTables tables(folder);
    benchmark::DoNotOptimize(tables.results.StoredRecordCount());
  }
  Finish(state);
}
BENCHMARK(BM_FolderLoadAll)->Apply(FolderArgs);

// "Tovább" as the player who played last, on freshly started tables: her row in the player
// file, her last game, the next puzzle and the best times on it.
void EnterPlay(GameTables& tables, const std::filesystem::path& folder) {
  const players::PlayerToEnter player =
      players::FindPlayerToEnter(tables.players, folder, "Erzsébet", true);
  const players::LastGameOffer offer =
      players::LookUpLastGame(tables.last_games, folder, player.key);
  puzzles::ShowWholeLibrary(tables.puzzles);
  const puzzles::NextPuzzle next = puzzles::FindNextPuzzle(tables.puzzles, offer.puzzle_id);
  benchmark::DoNotOptimize(
      players::ShowBestResults(tables.results, tables.players, player.key, next.id));
}

void BM_FolderEnterPlayFirst(benchmark::State& state) {
  const std::filesystem::path folder = GeneratedFolder(FamilyShape(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    {
      GameTables tables(folder);
      state.ResumeTiming();
      EnterPlay(tables, folder);
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  Finish(state);
}
BENCHMARK(BM_FolderEnterPlayFirst)->Apply(FolderArgs);

// "Tovább" again later in the same window, nothing saved meanwhile.
void BM_FolderEnterPlayAgain(benchmark::State& state) {
  const std::filesystem::path folder = GeneratedFolder(FamilyShape(state.range(0)));
  GameTables tables(folder);
  EnterPlay(tables, folder);
  for (auto _ : state) EnterPlay(tables, folder);
  Finish(state);
}
BENCHMARK(BM_FolderEnterPlayAgain)->Apply(FolderArgs);

// The time the saves spend putting bytes into the files (writes and copies) and flushing them.
using Seconds = std::chrono::duration<double>;

template <typename Call>
auto Timed(Seconds& total, Call call) {
  const auto start = std::chrono::steady_clock::now();
  const auto result = call();
  total += std::chrono::steady_clock::now() - start;
  return result;
}

class TimingWriter : public tables::FileWriter {
 public:
  ssize_t Write(int fd, const char* data, size_t size) override {
    return Timed(filling_, [&] { return FileWriter::Write(fd, data, size); });
  }
  ssize_t CopyRange(int from_fd, off_t* from_offset, int to_fd, size_t size) override {
    return Timed(filling_,
                 [&] { return FileWriter::CopyRange(from_fd, from_offset, to_fd, size); });
  }
  int Sync(int fd) override {
    return Timed(flushing_, [&] { return FileWriter::Sync(fd); });
  }
  void Report(benchmark::State& state) const {
    const auto per_iteration = benchmark::Counter::kAvgIterations;
    state.counters["fill_ms"] = benchmark::Counter(filling_.count() * 1e3, per_iteration);
    state.counters["fsync_ms"] = benchmark::Counter(flushing_.count() * 1e3, per_iteration);
  }

 private:
  Seconds filling_{0};
  Seconds flushing_{0};
};

// A finished game: the result row and the last-game row, each file saved durably under the
// folder's lock. The files grow by a row with every iteration. The first save of each file is
// left out: it writes the file whole, and the saves after it splice what it wrote.
void BM_FolderRecordCompletion(benchmark::State& state) {
  const BenchFolder folder;
  CopyFolder(GeneratedFolder(FamilyShape(state.range(0))), folder.path());
  GameTables tables(folder.path());
  const players::PlayerToEnter player =
      players::FindPlayerToEnter(tables.players, folder.path(), "Anna", true);
  double now = 46400.5;
  players::RecordCompletion(tables.Data(), folder.path(), {player.key, 10042, now - 0.004, now});
  TimingWriter writer;
  const tables::ScopedFileWriter timed(writer);
  for (auto _ : state) {
    now += 0.01;
    benchmark::DoNotOptimize(players::RecordCompletion(tables.Data(), folder.path(),
                                                       {player.key, 10042, now - 0.004, now}));
  }
  writer.Report(state);
  Finish(state);
}
BENCHMARK(BM_FolderRecordCompletion)->Apply(FolderArgs);

// The same after another window finished a game since this one last read the files: both
// files are read again first. The other window's save is left out of the time.
void BM_FolderRecordCompletionAfterOtherWindow(benchmark::State& state) {
  const BenchFolder folder;
  CopyFolder(GeneratedFolder(FamilyShape(state.range(0))), folder.path());
  GameTables tables(folder.path());
  GameTables other(folder.path());
  const players::PlayerToEnter player =
      players::FindPlayerToEnter(tables.players, folder.path(), "Anna", true);
  const players::PlayerToEnter other_player =
      players::FindPlayerToEnter(other.players, folder.path(), "Bálint", true);
  double now = 46400.5;
  for (auto _ : state) {
    state.PauseTiming();
    now += 0.01;
    players::RecordCompletion(other.Data(), folder.path(),
                              {other_player.key, 10043, now - 0.004, now});
    state.ResumeTiming();
    benchmark::DoNotOptimize(players::RecordCompletion(tables.Data(), folder.path(),
                                                       {player.key, 10042, now - 0.004, now}));
  }
  Finish(state);
}
BENCHMARK(BM_FolderRecordCompletionAfterOtherWindow)->Apply(FolderArgs);

// Deleting a player: every one of her rows in the three files cleared, and the files replaced
// as one change. Each round starts from a fresh copy of the folder, outside the time.
void BM_FolderDeletePlayer(benchmark::State& state) {
  const playfolder::FolderShape shape = FamilyShape(state.range(0));
  const players::NewPlayer anna = playfolder::PlayersOf(shape).front();
  for (auto _ : state) {
    state.PauseTiming();
    const BenchFolder folder;
    CopyFolder(GeneratedFolder(shape), folder.path());
    {
      GameTables tables(folder.path());
      state.ResumeTiming();
      const Outcome deleted =
          players::DeletePlayer(tables.Data(), folder.path(), anna.name, anna.password);
      state.PauseTiming();
      if (!deleted.done) state.SkipWithError(deleted.message.c_str());
    }
    state.ResumeTiming();
  }
  Finish(state);
}
BENCHMARK(BM_FolderDeletePlayer)->Apply(FolderArgs)->Iterations(3);

// The re-read alone: another window saved the results file (one row more) since this store
// read it.
void BM_FolderRereadResultsAfterOtherWindow(benchmark::State& state) {
  const BenchFolder folder;
  CopyFolder(GeneratedFolder(FamilyShape(state.range(0))), folder.path());
  const std::filesystem::path file = folder.path() / kResultFile;
  tables::TableStore mine = players::MakeResultTable();
  tables::TableStore other = players::MakeResultTable();
  mine.LoadOrCreate(file);
  other.LoadOrCreate(file);
  for (auto _ : state) {
    state.PauseTiming();
    players::AppendResultRow(other, 1, 10001, 46400.5, 100);
    other.SaveToFile(file);
    state.ResumeTiming();
    if (!mine.Refresh(file)) state.SkipWithError("the changed file was not read again");
  }
  Finish(state);
}
BENCHMARK(BM_FolderRereadResultsAfterOtherWindow)->Apply(FolderArgs);

// The summary page built from the started tables, the first time.
void BM_FolderSummaryFirst(benchmark::State& state) {
  const std::filesystem::path folder = GeneratedFolder(FamilyShape(state.range(0)));
  tables::TableStore summary = players::MakeSummaryTable();
  summary.CreateDataSet();
  for (auto _ : state) {
    state.PauseTiming();
    {
      GameTables tables(folder);
      state.ResumeTiming();
      benchmark::DoNotOptimize(
          players::BuildSummary(summary, tables.players, tables.puzzles, tables.results));
      state.PauseTiming();
    }
    state.ResumeTiming();
  }
  Finish(state);
}
BENCHMARK(BM_FolderSummaryFirst)->Apply(FolderArgs);

void BM_FolderSummaryAgain(benchmark::State& state) {
  const std::filesystem::path folder = GeneratedFolder(FamilyShape(state.range(0)));
  GameTables tables(folder);
  tables::TableStore summary = players::MakeSummaryTable();
  summary.CreateDataSet();
  players::BuildSummary(summary, tables.players, tables.puzzles, tables.results);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        players::BuildSummary(summary, tables.players, tables.puzzles, tables.results));
  }
  Finish(state);
}
BENCHMARK(BM_FolderSummaryAgain)->Apply(FolderArgs);

}  // namespace
}  // namespace kvadrix::bench
