#include "players/player_list.h"

#include "common/error.h"
#include "players/player_tables.h"

namespace kvadrix::players {
namespace {

PlayerRow CurrentPlayerRow(tables::TableStore& players) {
  return PlayerRow{players.FieldByName(kKod).AsInteger(), players.FieldByName(kNev).AsString(),
                   players.FieldByName(kJelszo).AsString(), players.FieldByName(kSzin).AsInteger(),
                   players.FieldByName(kSzint).AsInteger()};
}

}  // namespace

std::vector<std::string> PlayerNames(tables::TableStore& players) {
  std::vector<std::string> names;
  players.SetFiltered(false);
  const tables::FieldRef nev = players.FieldByName(kNev);
  for (players.First(); !players.Eof(); players.Next()) names.push_back(nev.AsString());
  players.First();
  return names;
}

std::vector<std::string> ReloadPlayerList(tables::TableStore& players,
                                          const std::filesystem::path& folder) {
  players.Refresh(folder / kPlayerFile);
  return PlayerNames(players);
}

bool DeletedMeanwhile(tables::TableStore& players, const std::filesystem::path& folder,
                      int32_t key) {
  if (key == 0) return false;
  try {
    players.Refresh(folder / kPlayerFile);
  } catch (const Error&) {
    return false;
  }
  players.SetFiltered(false);
  const tables::FieldRef kod = players.FieldByName(kKod);
  for (players.First(); !players.Eof(); players.Next()) {
    if (kod.AsInteger() == key) return false;
  }
  players.First();
  return true;
}

std::optional<PlayerRow> LocatePlayer(tables::TableStore& players, std::string_view name) {
  players.SetFiltered(false);
  if (name.empty()) return std::nullopt;
  const tables::FieldRef nev = players.FieldByName(kNev);
  for (; !players.Eof(); players.Next()) {
    if (nev.AsString() == name) return CurrentPlayerRow(players);
  }
  players.First();
  return std::nullopt;
}

}  // namespace kvadrix::players
