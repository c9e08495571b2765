#pragma once
// Changing and removing a stored player ("Módosít" and "Törlés" in their modes).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/outcome.h"
#include "players/player_tables.h"
#include "tables/table_store.h"

namespace kvadrix::players {

inline constexpr std::string_view kChooseName = "Kérem, válasszon ki egy nevet!";
inline constexpr std::string_view kWrongPassword =
    "A játékos jelszava nem egyezik meg, ami be lett ütve!\r\nKérem, adja meg jól!";
inline constexpr std::string_view kNewPasswordsDiffer =
    "A két jelszó nem egyezik meg!\r\nKérem, adja meg ugyanazt!";
inline constexpr std::string_view kModifiedWithPassword =
    "A módosítás megtörtént!\r\nA jelszó is módosítva lett!";
inline constexpr std::string_view kModifiedWithoutPassword =
    "A módosítás megtörtént!\r\nJelszómódosítás nem volt!";
inline constexpr std::string_view kPlayerDeleted = "A játékos összes adata törlődött!";

// The ModifyMode controls as typed.
struct PlayerChange {
  std::string chosen_name;         // dbnevek
  std::string current_password;    // BjelszoR
  std::string new_password;        // Bjelszo; empty keeps the stored one
  std::string new_password_again;  // Bjelszo2
  int32_t szin = 1;                // SE
  int32_t szint = 1;               // 1 RBujk, 2 RBujh, 3 RBujm
};

// BmodositClick: the chosen player's row gets the new password (when one is typed), `szin` and
// `szint`, and "jatekosok.xml" is saved. The typed current password is checked against the
// stored one before the new passwords are compared.
Outcome ModifyPlayer(tables::TableStore& players, const std::filesystem::path& folder,
                     const PlayerChange& change);

// BmodositClick and BtorlesClick work under the folder's lock on the files as they are now; a
// chosen player whom another window deleted meanwhile gives kPlayerGone.
//
// BtorlesClick: with the player's password, removes the player's last-game row, every result
// and the player row, saving "utolso.xml", "eredmenyek.xml" and "jatekosok.xml" as one change
// (all three or none, across a crash); a table without the player's rows is left alone. The
// caller runs ReloadPlayerList when done.
Outcome DeletePlayer(PlayerData tables, const std::filesystem::path& folder,
                     std::string_view chosen_name, std::string_view password);

}  // namespace kvadrix::players
