#include "players/last_game_row.h"

#include <string>

#include "players/player_tables.h"

namespace kvadrix::players {

Outcome WriteLastGameRow(tables::TableStore& last_games, const std::filesystem::path& folder,
                         int32_t key, int32_t puzzle_id, bool teljes,
                         std::optional<int32_t> felbe) {
  last_games.SetFilter(KeyFilter("NEVKOD", key));
  last_games.SetFiltered(true);
  const int rows = last_games.RecordCount();
  if (rows > 1) {
    last_games.SetFiltered(false);
    return Outcome{false, std::string(kDamagedLastGames)};
  }
  if (rows == 1) {
    last_games.Edit();
  } else {
    last_games.Append();
  }
  last_games.FieldByName("NEVKOD").SetAsInteger(key);
  last_games.FieldByName("JATEKKOD").SetAsInteger(puzzle_id);
  last_games.FieldByName("TELJES").SetAsBoolean(teljes);
  if (felbe) last_games.FieldByName("FELBE").SetAsInteger(*felbe);
  last_games.Post();
  last_games.SetFiltered(false);
  last_games.SaveToFile(folder / kLastGameFile);
  return Outcome{true, ""};
}

}  // namespace kvadrix::players
