#include "players/summary.h"

#include <algorithm>
#include <array>
#include <optional>

#include "board/game_clock.h"
#include "players/best_results.h"
#include "players/best_time_map.h"
#include "players/player_tables.h"
#include "puzzles/levels.h"

namespace kvadrix::players {
namespace {

// The grid repaints once, however many rows are added, even if a step throws.
class ControlsPaused {
 public:
  explicit ControlsPaused(tables::TableStore& store) : store_(store) { store_.DisableControls(); }
  ~ControlsPaused() { store_.EnableControls(); }
  ControlsPaused(const ControlsPaused&) = delete;
  ControlsPaused& operator=(const ControlsPaused&) = delete;

 private:
  tables::TableStore& store_;
};

bool StartsLaterLevel(std::string_view id) {
  return id == "20001" || id == "30001" || id == "40001" || id == "50001";
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
    read.push_back({players.FieldByName("NEV").AsString(),
                    ParseKeyText(players.FieldByName("KOD").AsString())});
  }
  return read;
}

void AppendPuzzleRow(tables::TableStore& summary, tables::TableStore& puzzles,
                     const std::vector<SummaryPlayer>& players, const BestTimeMap& best) {
  const std::string id_text = puzzles.FieldByName("ID").AsString();
  if (StartsLaterLevel(id_text)) {
    summary.Append();
    summary.Post();
  }
  summary.Append();
  summary.FieldByName("NEHEZSEG")
      .SetAsString(puzzles::LevelNameFromCode(puzzles.FieldByName("NEHEZSEG").AsString()));
  const tables::FieldRef sorszam = puzzles.FieldByName("SORSZAM");
  if (!sorszam.IsNull()) summary.FieldByName("SORSZAM").SetAsInteger(sorszam.AsInteger());
  const std::optional<int32_t> id = ParseKeyText(id_text);
  for (size_t k = 0; k < players.size() && id; ++k) {
    if (!players[k].key) continue;
    if (const auto time = best.Best(*players[k].key, *id)) {
      summary.FieldByName("NEV" + std::to_string(k + 1)).SetAsString(board::FormatTicks(*time));
    }
  }
  summary.Post();
}

}  // namespace

SummaryBuild BuildSummary(tables::TableStore& summary, tables::TableStore& players,
                          tables::TableStore& puzzles, tables::TableStore& results) {
  summary.EmptyDataSet();
  if (!players.Active()) return SummaryBuild{std::string(kPlayerTableClosed), {}};
  ControlsPaused paused(summary);
  const std::vector<SummaryPlayer> columns = ReadPlayers(players);
  const BestTimeMap best(results);
  puzzles.SetFilter(puzzles::kNumberedLevelsFilter);
  puzzles.SetFiltered(true);
  for (puzzles.First(); !puzzles.Eof(); puzzles.Next()) {
    AppendPuzzleRow(summary, puzzles, columns, best);
  }
  puzzles.SetFilter("");
  puzzles.SetFiltered(false);
  summary.First();
  SummaryBuild build;
  for (const SummaryPlayer& player : columns) build.player_names.push_back(player.name);
  return build;
}

}  // namespace kvadrix::players
