#pragma once
// Adding a player ("Felvitel" in AddMode): the checks, then InsertPlayer with a random key.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/outcome.h"
#include "common/seams.h"
#include "tables/table_store.h"

namespace kvadrix::players {

inline constexpr std::string_view kPasswordsDiffer = "A két jelszó nem egyezik meg!";
inline constexpr std::string_view kNameTaken =
    "Ilyen név már szerepel az adatbázisban, kérlek más nevet adj meg!";
inline constexpr std::string_view kNoFreeKey = "Kérem próbálkozzon újra!";
inline constexpr std::string_view kPlayerAdded = "A felvitel sikerült";
// Another window added the fifth player since this one offered "Hozzáad".
inline constexpr std::string_view kTooManyPlayers =
    "Már öt játékos van, újat csak egy játékos törlése után lehet felvenni.";

inline constexpr int kKeyAttempts = 11;
inline constexpr uint32_t kKeyRange = 1000000;  // keys 0..999999

// The AddMode controls as typed.
struct NewPlayer {
  std::string name;            // Eujnev
  std::string password;        // Bjelszo
  std::string password_again;  // Bjelszo2
  int32_t szin = 1;            // SE
  int32_t szint = 1;           // 1 RBujk, 2 RBujh, 3 RBujm
};

struct AddOutcome : Outcome {
  int32_t key = 0;  // the new player's `kod` when done
};

// BujfelvitelClick, under the folder's lock against the file as it is now: refuses unequal
// passwords, a name already stored (exact comparison) or a sixth player,
// otherwise InsertPlayer: seeds the random source from the clock and tries up to eleven keys
// for one no row has; the row is appended and "jatekosok.xml" saved. Filtering is off after.
// The caller runs ReloadPlayerList when done.
AddOutcome AddPlayer(tables::TableStore& players, const std::filesystem::path& folder,
                     const NewPlayer& player, const Clock& clock, RandomSource& random);

}  // namespace kvadrix::players
