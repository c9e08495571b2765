#include "players/last_game.h"

#include <algorithm>

#include "players/last_game_row.h"
#include "players/player_tables.h"
#include "puzzles/levels.h"

namespace kvadrix::players {

PlayerForPlay FindPlayerForPlay(tables::TableStore& players, std::string_view name) {
  PlayerForPlay found;
  if (FilterToExactName(players, "NEV =", name)) {
    found.key = players.FieldByName("KOD").AsInteger();
    const int32_t szint = players.FieldByName("SZINT").AsInteger();
    if (szint >= 1 && szint <= 3) found.szint = szint;
  }
  players.SetFiltered(false);
  return found;
}

LastGameOffer LookUpLastGame(tables::TableStore& last_games, const std::filesystem::path& folder,
                             int32_t key) {
  LastGameOffer offer;
  offer.text = kLoadAGame;
  const std::filesystem::path file = folder / kLastGameFile;
  if (!std::filesystem::exists(file)) return offer;
  last_games.LoadFromFile(file);
  last_games.SetFilter(KeyFilter("NEVKOD", key));
  last_games.SetFiltered(true);
  const int rows = last_games.RecordCount();
  if (rows > 1) {
    offer.kind = LastGameOffer::Kind::kDamaged;
    offer.text = kDamagedLastGames;
  } else if (rows == 1) {
    const int32_t id = last_games.FieldByName("JATEKKOD").AsInteger();
    const std::string puzzle =
        puzzles::LevelNameOrIdText(id) + "/" + std::to_string(puzzles::NumberWithinLevel(id));
    offer.puzzle_id = id;
    if (last_games.FieldByName("TELJES").AsBoolean()) {
      offer.kind = LastGameOffer::Kind::kFinished;
      offer.text = "Az utolsó befejezett játéka a/az: " + puzzle + ". Betöltsem a következőt?";
    } else {
      offer.kind = LastGameOffer::Kind::kUnfinished;
      offer.text = "Az utolsó befejezettlen játéka a/az: " + puzzle + ". Betöltsem?";
    }
  }
  last_games.SetFiltered(false);
  return offer;
}

Outcome StoreUnfinishedGame(tables::TableStore& last_games, const std::filesystem::path& folder,
                            int32_t key, int32_t puzzle_id, int64_t ticks) {
  const auto felbe = static_cast<int32_t>(std::clamp<int64_t>(ticks, 0, INT32_MAX));
  return WriteLastGameRow(last_games, folder, key, puzzle_id, false, felbe);
}

}  // namespace kvadrix::players
