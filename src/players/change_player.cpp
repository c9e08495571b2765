#include "players/change_player.h"

#include <optional>

#include "players/player_list.h"
#include "players/player_tables.h"
#include "players/player_text.h"
#include "tables/file_io.h"
#include "tables/store_guards.h"

namespace kvadrix::players {
namespace {

// Deletes every row whose Integer field holds the key and saves the table, when its file
// exists. A damaged file may hold several rows of one player; none may outlive the player, or a
// later player drawing the same key would inherit them.
void DeleteRowsOfKey(tables::TableStore& store, std::string_view field, int32_t key,
                     const std::filesystem::path& file) {
  if (!tables::EntryExists(file)) return;
  tables::SavedChange change(store);
  {
    const tables::FilteredView rows_of_player(store, KeyFilter(field, key));
    while (rows_of_player.Count() > 0) {
      store.First();
      store.Delete();
    }
  }
  store.SetFilter("");
  change.Save(file);
}

}  // namespace

Outcome ModifyPlayer(tables::TableStore& players, const std::filesystem::path& folder,
                     const PlayerChange& change) {
  const std::optional<PlayerRow> row = LocatePlayer(players, change.chosen_name);
  if (!row) return Refused(kChooseName);
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
  saved_change.Save(folder / kPlayerFile);
  return Outcome{true,
                 std::string(new_password ? kModifiedWithPassword : kModifiedWithoutPassword)};
}

Outcome DeletePlayer(PlayerData tables, const std::filesystem::path& folder,
                     std::string_view chosen_name, std::string_view password) {
  const std::optional<PlayerRow> row = LocatePlayer(tables.players, chosen_name);
  if (!row) return Refused(kChooseName);
  if (row->jelszo != password) return Refused(kWrongPassword);
  // A table that failed to load stops the deletion before anything is deleted, not half way.
  for (const auto& [store, file] :
       {std::pair{&tables.last_games, kLastGameFile}, std::pair{&tables.results, kResultFile}}) {
    if (tables::EntryExists(folder / file)) store->RequireOpen();
  }
  DeleteRowsOfKey(tables.last_games, kNevkod, row->kod, folder / kLastGameFile);
  DeleteRowsOfKey(tables.results, kNevkod, row->kod, folder / kResultFile);
  // Only the chosen row: another row sharing its key (a damaged file) is another player.
  const std::filesystem::path player_file = folder / kPlayerFile;
  if (tables::EntryExists(player_file) && LocatePlayer(tables.players, chosen_name)) {
    tables::SavedChange change(tables.players);
    tables.players.Delete();
    change.Save(player_file);
  }
  return Outcome{true, std::string(kPlayerDeleted)};
}

}  // namespace kvadrix::players
