#include "players/add_player.h"

#include <cmath>

#include "players/player_list.h"
#include "players/player_tables.h"
#include "players/player_text.h"
#include "tables/folder_lock.h"
#include "tables/store_guards.h"

namespace kvadrix::players {
namespace {

// Milliseconds of the local date-time, so two adds in one second still seed differently.
uint64_t SeedFromClock(const Clock& clock) {
  return static_cast<uint64_t>(std::llround(std::fabs(clock.Now()) * 86400000.0));
}

bool KeyTaken(tables::TableStore& players, int32_t key) {
  const tables::FilteredView with_key(players, KeyFilter(kKod, key));
  return with_key.Count() > 0;
}

AddOutcome InsertPlayer(tables::TableStore& players, const std::filesystem::path& folder,
                        const NewPlayer& player, const Clock& clock, RandomSource& random) {
  random.Seed(SeedFromClock(clock));
  for (int attempt = 0; attempt < kKeyAttempts; ++attempt) {
    const int32_t key = static_cast<int32_t>(random.Below(kKeyRange));
    if (KeyTaken(players, key)) continue;
    tables::SavedChange change(players);
    players.Append();
    players.FieldByName(kKod).SetAsInteger(key);
    players.FieldByName(kNev).SetAsString(player.name);
    players.FieldByName(kJelszo).SetAsString(player.password);
    players.FieldByName(kSzin).SetAsInteger(player.szin);
    players.FieldByName(kSzint).SetAsInteger(player.szint);
    players.Post();
    change.Save(folder / kPlayerFile);
    AddOutcome added;
    added.done = true;
    added.message = kPlayerAdded;
    added.key = key;
    return added;
  }
  return Refused<AddOutcome>(kNoFreeKey);
}

}  // namespace

AddOutcome AddPlayer(tables::TableStore& players, const std::filesystem::path& folder,
                     const NewPlayer& player, const Clock& clock, RandomSource& random) {
  if (player.password != player.password_again) return Refused<AddOutcome>(kPasswordsDiffer);
  if (auto refusal = CheckName(player.name)) return Refused<AddOutcome>(*refusal);
  if (auto refusal = CheckPassword(player.password)) return Refused<AddOutcome>(*refusal);
  const tables::FolderLock lock(folder);
  players.Refresh(folder / kPlayerFile);
  if (PlayerNames(players).size() >= kMaxPlayers) return Refused<AddOutcome>(kTooManyPlayers);
  // Compared exactly: a filter would read a name ending in "*" as a prefix.
  if (LocatePlayer(players, player.name)) return Refused<AddOutcome>(kNameTaken);
  return InsertPlayer(players, folder, player, clock, random);
}

}  // namespace kvadrix::players
