#include "players/change_player.h"

#include <optional>
#include <vector>

#include "players/forget_player.h"
#include "players/player_list.h"
#include "players/player_tables.h"
#include "players/player_text.h"
#include "tables/folder_lock.h"
#include "tables/store_guards.h"

namespace kvadrix::players {
namespace {

// Deletes every row whose Integer field holds the key; returns whether there was one. A damaged
// file may hold several rows of one player; none may outlive the player, or a later player
// drawing the same key would inherit them.
bool DeleteRowsOfKey(tables::TableStore& store, std::string_view field, int32_t key) {
  bool deleted = false;
  {
    const tables::FilteredView rows_of_player(store, KeyFilter(field, key));
    if (rows_of_player.Count() > 0) {
      store.DeleteView();
      deleted = true;
    }
  }
  store.SetFilter("");
  return deleted;
}

// The name chosen from the list is gone from the file as it is now: another window deleted her.
Outcome NotFound(std::string_view chosen_name, bool was_listed) {
  return Refused(was_listed && !chosen_name.empty() ? kPlayerGone : kChooseName);
}

}  // namespace

Outcome ModifyPlayer(tables::TableStore& players, const std::filesystem::path& folder,
                     const PlayerChange& change) {
  const bool was_listed = LocatePlayer(players, change.chosen_name).has_value();
  const tables::FolderLock lock(folder);
  players.Refresh(folder / kPlayerFile);
  const std::optional<PlayerRow> row = LocatePlayer(players, change.chosen_name);
  if (!row) return NotFound(change.chosen_name, was_listed);
  if (row->jelszo != change.current_password) return Refused(kWrongPassword);
  if (change.new_password != change.new_password_again) return Refused(kNewPasswordsDiffer);
  if (auto refusal = CheckPassword(change.new_password)) return Refused(*refusal);
  const bool new_password = !change.new_password.empty();
  tables::SavedChange saved_change(players);
  players.Edit();
  if (new_password) players.FieldByName(kJelszo).SetAsString(change.new_password);
  players.FieldByName(kSzin).SetAsInteger(change.szin);
  players.FieldByName(kSzint).SetAsInteger(change.szint);
  players.Post();
  if (new_password) ForgetOldPasswords(players, row->kod);
  saved_change.Save(folder / kPlayerFile);
  return Outcome{true,
                 std::string(new_password ? kModifiedWithPassword : kModifiedWithoutPassword)};
}

Outcome DeletePlayer(PlayerData tables, const std::filesystem::path& folder,
                     std::string_view chosen_name, std::string_view password) {
  const bool was_listed = LocatePlayer(tables.players, chosen_name).has_value();
  const tables::FolderLock lock(folder);
  const std::filesystem::path player_file = folder / kPlayerFile;
  const std::filesystem::path result_file = folder / kResultFile;
  const std::filesystem::path last_game_file = folder / kLastGameFile;
  tables.players.Refresh(player_file);
  const std::optional<PlayerRow> row = LocatePlayer(tables.players, chosen_name);
  if (!row) return NotFound(chosen_name, was_listed);
  if (row->jelszo != password) return Refused(kWrongPassword);
  // A table that failed to load stops the deletion before anything is deleted.
  tables.results.Refresh(result_file);
  tables.last_games.Refresh(last_game_file);
  tables.results.RequireOpen();
  tables.last_games.RequireOpen();

  // All three files change as one: a crash at any step leaves all of her rows or none.
  tables::SavedChange last_games_change(tables.last_games);
  tables::SavedChange results_change(tables.results);
  tables::SavedChange players_change(tables.players);
  std::vector<tables::TableStore::FileOfStore> changed;
  if (DeleteRowsOfKey(tables.last_games, kNevkod, row->kod)) {
    changed.push_back({&tables.last_games, last_game_file});
  }
  if (DeleteRowsOfKey(tables.results, kNevkod, row->kod)) {
    changed.push_back({&tables.results, result_file});
  }
  // Only the chosen row: another row sharing its key (a damaged file) is another player.
  LocatePlayer(tables.players, chosen_name);
  tables.players.Delete();
  ForgetDeletedPlayer(tables.players, row->kod);
  changed.push_back({&tables.players, player_file});
  tables::TableStore::SaveToFilesTogether(folder, changed);
  last_games_change.Keep();
  results_change.Keep();
  players_change.Keep();
  return Outcome{true, std::string(kPlayerDeleted)};
}

}  // namespace kvadrix::players
