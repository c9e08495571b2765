#include "players/forget_player.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "players/player_tables.h"

namespace kvadrix::players {
namespace {

// Every hidden row of the key, whatever player it belonged to: a key drawn again after a
// deletion must not leave the earlier player's values behind either.
void ClearHiddenRowsOfKey(tables::TableStore& players, int32_t key, int states,
                          std::initializer_list<std::string_view> names) {
  std::vector<int> fields;
  for (const std::string_view name : names) fields.push_back(players.FieldIndex(name));
  const int kod = players.FieldIndex(kKod);
  const std::string key_text = std::to_string(key);
  for (int record = 1; record <= players.StoredRecordCount(); ++record) {
    if ((players.StoredRecordState(record) & states) == 0) continue;
    if (players.StoredValue(record, kod) != key_text) continue;
    players.ClearHiddenValues(record, fields);
  }
}

}  // namespace

void ForgetDeletedPlayer(tables::TableStore& players, int32_t key) {
  ClearHiddenRowsOfKey(players, key, tables::kSuperseded | tables::kDeleted, {kNev, kJelszo});
}

void ForgetOldPasswords(tables::TableStore& players, int32_t key) {
  ClearHiddenRowsOfKey(players, key, tables::kSuperseded, {kJelszo});
}

}  // namespace kvadrix::players
