#include "players/last_game.h"

#include <algorithm>

#include "players/last_game_row.h"
#include "players/player_list.h"
#include "players/player_tables.h"
#include "puzzles/levels.h"
#include "tables/file_io.h"
#include "tables/store_guards.h"

namespace kvadrix::players {

PlayerForPlay FindPlayerForPlay(tables::TableStore& players, std::string_view name) {
  PlayerForPlay found;
  // Compared exactly: a filter would read a name ending in "*" as a prefix.
  if (const std::optional<PlayerRow> row = LocatePlayer(players, name)) {
    found.key = row->kod;
    if (row->szint >= 1 && row->szint <= 3) found.szint = row->szint;
  }
  return found;
}

LastGameOffer LookUpLastGame(tables::TableStore& last_games, const std::filesystem::path& folder,
                             int32_t key) {
  LastGameOffer offer;
  offer.text = kLoadAGame;
  const std::filesystem::path file = folder / kLastGameFile;
  if (!tables::EntryExists(file)) return offer;
  last_games.LoadFromFile(file);
  const tables::FilteredView rows_of_player(last_games, KeyFilter(kNevkod, key));
  const int rows = rows_of_player.Count();
  if (rows > 1) {
    offer.kind = LastGameOffer::Kind::kDamaged;
    offer.text = kDamagedLastGames;
  } else if (rows == 1) {
    const int32_t id = last_games.FieldByName(kJatekkod).AsInteger();
    const std::string puzzle =
        puzzles::LevelNameOrIdText(id) + "/" + std::to_string(puzzles::NumberWithinLevel(id));
    offer.puzzle_id = id;
    if (last_games.FieldByName(kTeljes).AsBoolean()) {
      offer.kind = LastGameOffer::Kind::kFinished;
      offer.text = "Az utolsó befejezett játéka a/az: " + puzzle + ". Betöltsem a következőt?";
    } else {
      offer.kind = LastGameOffer::Kind::kUnfinished;
      offer.text = "Az utolsó befejezettlen játéka a/az: " + puzzle + ". Betöltsem?";
    }
  }
  return offer;
}

Outcome StoreUnfinishedGame(tables::TableStore& last_games, const std::filesystem::path& folder,
                            int32_t key, int32_t puzzle_id, int64_t ticks) {
  const auto felbe = static_cast<int32_t>(std::clamp<int64_t>(ticks, 0, INT32_MAX));
  return WriteLastGameRow(last_games, folder, key, puzzle_id, false, felbe);
}

}  // namespace kvadrix::players
