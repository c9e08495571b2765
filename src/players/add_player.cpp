#include "players/add_player.h"

#include <cmath>

#include "players/player_tables.h"
#include "players/player_text.h"

namespace kvadrix::players {
namespace {

// Milliseconds of the local date-time, so two adds in one second still seed differently.
uint64_t SeedFromClock(const Clock& clock) {
  return static_cast<uint64_t>(std::llround(std::fabs(clock.Now()) * 86400000.0));
}

AddOutcome InsertPlayer(tables::TableStore& players, const std::filesystem::path& folder,
                        const NewPlayer& player, const Clock& clock, RandomSource& random) {
  random.Seed(SeedFromClock(clock));
  for (int attempt = 0; attempt < kKeyAttempts; ++attempt) {
    const int32_t key = static_cast<int32_t>(random.Below(kKeyRange));
    players.SetFilter(KeyFilter("KOD", key));
    players.SetFiltered(true);
    if (players.RecordCount() > 0) continue;
    players.Append();
    players.FieldByName("KOD").SetAsInteger(key);
    players.FieldByName("NEV").SetAsString(player.name);
    players.FieldByName("JELSZO").SetAsString(player.password);
    players.FieldByName("SZIN").SetAsInteger(player.szin);
    players.FieldByName("SZINT").SetAsInteger(player.szint);
    players.Post();
    players.SetFiltered(false);
    players.SaveToFile(folder / kPlayerFile);
    AddOutcome added;
    added.done = true;
    added.message = kPlayerAdded;
    added.key = key;
    return added;
  }
  AddOutcome refused;
  refused.message = kNoFreeKey;
  return refused;
}

AddOutcome Refused(std::string message) {
  AddOutcome refused;
  refused.message = std::move(message);
  return refused;
}

}  // namespace

AddOutcome AddPlayer(tables::TableStore& players, const std::filesystem::path& folder,
                     const NewPlayer& player, const Clock& clock, RandomSource& random) {
  if (player.password != player.password_again) return Refused(std::string(kPasswordsDiffer));
  if (auto refusal = CheckName(player.name)) return Refused(*refusal);
  if (auto refusal = CheckPassword(player.password)) return Refused(*refusal);
  players.SetFiltered(false);
  if (players.RecordCount() > 0) {
    const bool taken = FilterToExactName(players, "NEV=", player.name);
    players.SetFiltered(false);
    if (taken) return Refused(std::string(kNameTaken));
  }
  AddOutcome outcome = InsertPlayer(players, folder, player, clock, random);
  players.SetFiltered(false);
  return outcome;
}

}  // namespace kvadrix::players
