#include "players/last_game_row.h"

#include <string>

#include "players/player_tables.h"
#include "tables/folder_lock.h"
#include "tables/store_guards.h"

namespace kvadrix::players {

Outcome PutLastGameRow(tables::TableStore& last_games, int32_t key, int32_t puzzle_id, bool teljes,
                       std::optional<int32_t> felbe) {
  const tables::FilteredView rows_of_player(last_games, KeyFilter(kNevkod, key));
  const int rows = rows_of_player.Count();
  if (rows > 1) return Refused(kDamagedLastGames);
  if (rows == 1) {
    last_games.Edit();
  } else {
    last_games.Append();
  }
  last_games.FieldByName(kNevkod).SetAsInteger(key);
  last_games.FieldByName(kJatekkod).SetAsInteger(puzzle_id);
  last_games.FieldByName(kTeljes).SetAsBoolean(teljes);
  if (felbe) last_games.FieldByName(kFelbe).SetAsInteger(*felbe);
  last_games.Post();
  return Outcome{true, ""};
}

Outcome WriteLastGameRow(tables::TableStore& last_games, const std::filesystem::path& folder,
                         int32_t key, int32_t puzzle_id, bool teljes,
                         std::optional<int32_t> felbe) {
  const tables::FolderLock lock(folder);
  last_games.Refresh(folder / kLastGameFile);
  tables::SavedChange change(last_games);
  const Outcome put = PutLastGameRow(last_games, key, puzzle_id, teljes, felbe);
  if (put.done) change.Save(folder / kLastGameFile);
  return put;
}

}  // namespace kvadrix::players
