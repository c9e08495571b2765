#include "playfolder/folder_builder.h"

#include <functional>
#include <random>

#include "common/error.h"
#include "common/outcome.h"
#include "players/add_player.h"
#include "players/completion_records.h"
#include "players/last_game.h"
#include "players/last_game_row.h"
#include "players/player_tables.h"
#include "puzzles/puzzle_table.h"

namespace kvadrix::playfolder {
namespace {

class FixedClock : public Clock {
 public:
  explicit FixedClock(double now) : now_(now) {}
  double Now() const override { return now_; }

 private:
  double now_;
};

// The keys depend on the history's seed as well as on the clock the game seeds from.
class SaltedRandom : public RandomSource {
 public:
  explicit SaltedRandom(uint64_t salt) : salt_(salt) {}
  void Seed(uint64_t seed) override { engine_.seed(seed ^ salt_); }
  uint32_t Below(uint32_t bound) override { return static_cast<uint32_t>(engine_() % bound); }

 private:
  uint64_t salt_;
  std::mt19937_64 engine_;
};

void PrepareFolder(const FolderShape& shape, const std::filesystem::path& library,
                   const std::filesystem::path& folder) {
  if (shape.players < 0 || shape.players > players::kMaxPlayers || shape.days < 0 ||
      shape.games_per_day < 1) {
    throw Error("Hibás paraméterek: 0–5 játékos, legalább 0 nap és napi 1 játék kell.");
  }
  std::filesystem::create_directories(folder);
  for (const std::string_view file :
       {players::kPlayerFile, players::kResultFile, players::kLastGameFile, puzzles::kPuzzleFile}) {
    if (std::filesystem::exists(folder / file)) {
      throw Error("A mappában már van " + std::string(file) + ": üres mappát adjon meg.");
    }
  }
  std::filesystem::copy_file(library, folder / puzzles::kPuzzleFile);
}

BuiltFolder AddPlayers(const FolderShape& shape, const std::filesystem::path& folder) {
  BuiltFolder built;
  tables::TableStore players = players::MakePlayerTable();
  players.LoadOrCreate(folder / players::kPlayerFile);
  SaltedRandom random(shape.seed);
  const std::vector<players::NewPlayer> list = PlayersOf(shape);
  for (size_t i = 0; i < list.size(); ++i) {
    const FixedClock clock(AdditionTime(shape, static_cast<int>(i)));
    const players::AddOutcome added = players::AddPlayer(players, folder, list[i], clock, random);
    if (!added.done) throw Error("A játékos felvétele nem sikerült: " + added.message);
    built.keys.push_back(added.key);
  }
  built.last_puzzles.assign(list.size(), 0);
  return built;
}

// Runs every day's events through `play`, counting them.
void PlayHistoryOf(const FolderShape& shape, const std::filesystem::path& library,
                   BuiltFolder& built,
                   const std::function<void(const std::vector<PlayEvent>&)>& play) {
  PlayHistory history(shape, ReadPuzzleLadder(library));
  std::vector<PlayEvent> events;
  while (history.NextDay(events)) {
    play(events);
    for (const PlayEvent& event : events) {
      if (event.kind == PlayEvent::Kind::kCompleted) {
        ++built.results;
        built.last_puzzles[event.player] = event.puzzle_id;
      } else {
        ++built.closed_midway;
      }
    }
  }
}

void Require(const Outcome& outcome) {
  if (!outcome.done) throw Error("A játék nem menthető: " + outcome.message);
}

}  // namespace

BuiltFolder BuildPlayFolder(const FolderShape& shape, const std::filesystem::path& library,
                            const std::filesystem::path& folder) {
  PrepareFolder(shape, library, folder);
  BuiltFolder built = AddPlayers(shape, folder);
  tables::TableStore results = players::MakeResultTable();
  tables::TableStore last_games = players::MakeLastGameTable();
  results.CreateDataSet();
  last_games.CreateDataSet();
  PlayHistoryOf(shape, library, built, [&](const std::vector<PlayEvent>& events) {
    for (const PlayEvent& event : events) {
      const int32_t key = built.keys[event.player];
      if (event.kind == PlayEvent::Kind::kClosedMidway) {
        // StoreUnfinishedGame's row; a history's ticks are well inside the field's range.
        Require(players::PutLastGameRow(last_games, key, event.puzzle_id, false,
                                        static_cast<int32_t>(event.ticks)));
      } else {
        players::AppendResultRow(results, key, event.puzzle_id, event.now,
                                 players::ResultTicks(event.start_time, event.now));
        Require(players::PutLastGameRow(last_games, key, event.puzzle_id, true, std::nullopt));
      }
    }
  });
  if (built.results > 0) {
    results.SaveToFile(folder / players::kResultFile);
    last_games.SaveToFile(folder / players::kLastGameFile);
  }
  return built;
}

BuiltFolder PlayGameByGame(const FolderShape& shape, const std::filesystem::path& library,
                           const std::filesystem::path& folder) {
  PrepareFolder(shape, library, folder);
  BuiltFolder built = AddPlayers(shape, folder);
  PlayHistoryOf(shape, library, built, [&](const std::vector<PlayEvent>& events) {
    tables::TableStore players = players::MakePlayerTable();
    tables::TableStore results = players::MakeResultTable();
    tables::TableStore last_games = players::MakeLastGameTable();
    players.LoadOrCreate(folder / players::kPlayerFile);
    results.LoadOrCreate(folder / players::kResultFile);
    last_games.LoadOrCreate(folder / players::kLastGameFile);
    const players::PlayerData data{players, results, last_games};
    for (const PlayEvent& event : events) {
      const int32_t key = built.keys[event.player];
      if (event.kind == PlayEvent::Kind::kClosedMidway) {
        Require(players::StoreUnfinishedGame(data, folder, key, event.puzzle_id, event.ticks));
      } else {
        Require(players::RecordCompletion(data, folder,
                                          {key, event.puzzle_id, event.start_time, event.now}));
      }
    }
  });
  return built;
}

}  // namespace kvadrix::playfolder
