#include "players/summary.h"

#include <algorithm>
#include <array>
#include <optional>

#include "board/game_clock.h"
#include "players/best_results.h"
#include "players/best_time_map.h"
#include "players/player_tables.h"
#include "puzzles/levels.h"
#include "puzzles/puzzle_table.h"
#include "tables/store_guards.h"

namespace kvadrix::players {
namespace {

// The first puzzle of every numbered level after the first gets a separator row before it.
bool StartsLaterLevel(std::string_view id_text) {
  bool first_level = true;
  for (const puzzles::Level& level : puzzles::kLevels) {
    const std::optional<int> first_id = puzzles::PuzzleId(level.code, 1);
    if (!first_id) continue;
    if (!first_level && id_text == std::to_string(*first_id)) return true;
    first_level = false;
  }
  return false;
}

struct SummaryPlayer {
  std::string name;
  std::optional<int32_t> key;  // none: a row without a readable key, which owns no result
};

std::vector<SummaryPlayer> ReadPlayers(tables::TableStore& players) {
  players.SetFiltered(false);
  players.SetFilter("");
  const int count = std::min(players.RecordCount(), kSummaryPlayerColumns);
  std::vector<SummaryPlayer> read;
  players.First();
  for (int k = 0; k < count; ++k, players.Next()) {
    read.push_back(
        {players.FieldByName(kNev).AsString(), ParseKeyText(players.FieldByName(kKod).AsString())});
  }
  return read;
}

void AppendPuzzleRow(tables::TableStore& summary, tables::TableStore& puzzles,
                     const std::vector<SummaryPlayer>& players, const BestTimeMap& best) {
  const std::string id_text = puzzles.FieldByName(puzzles::kId).AsString();
  if (StartsLaterLevel(id_text)) {
    summary.Append();
    summary.Post();
  }
  summary.Append();
  summary.FieldByName(kSummaryLevel)
      .SetAsString(puzzles::LevelNameFromCode(puzzles.FieldByName(puzzles::kNehezseg).AsString()));
  const tables::FieldRef sorszam = puzzles.FieldByName(puzzles::kSorszam);
  if (!sorszam.IsNull()) summary.FieldByName(kSummaryNumber).SetAsInteger(sorszam.AsInteger());
  const std::optional<int32_t> id = ParseKeyText(id_text);
  for (size_t k = 0; k < players.size() && id; ++k) {
    if (!players[k].key) continue;
    if (const auto time = best.Best(*players[k].key, *id)) {
      summary.FieldByName(SummaryPlayerField(int(k) + 1)).SetAsString(board::FormatTicks(*time));
    }
  }
  summary.Post();
}

}  // namespace

SummaryBuild BuildSummary(tables::TableStore& summary, tables::TableStore& players,
                          tables::TableStore& puzzles, tables::TableStore& results) {
  summary.EmptyDataSet();
  if (!players.Active()) return SummaryBuild{std::string(kPlayerTableClosed), {}};
  const tables::ControlsPaused paused(summary);
  const std::vector<SummaryPlayer> columns = ReadPlayers(players);
  const BestTimeMap best(results);
  {
    const tables::FilteredView numbered(puzzles, puzzles::kNumberedLevelsFilter);
    for (puzzles.First(); !puzzles.Eof(); puzzles.Next()) {
      AppendPuzzleRow(summary, puzzles, columns, best);
    }
  }
  puzzles::ShowWholeLibrary(puzzles);
  summary.First();
  SummaryBuild build;
  for (const SummaryPlayer& player : columns) build.player_names.push_back(player.name);
  return build;
}

}  // namespace kvadrix::players
