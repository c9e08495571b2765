#pragma once
// Reading the PlayerTable: the list of names, and one player's row by name.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table_store.h"

namespace kvadrix::players {

// A player another window or machine deleted while this one still showed her.
inline constexpr std::string_view kPlayerGone =
    "Ezt a játékost időközben törölték (egy másik ablakban vagy gépen), ezért ez nem lehetséges.";

struct PlayerRow {
  int32_t kod = 0;
  std::string nev;
  std::string jelszo;
  int32_t szin = 0;
  int32_t szint = 0;  // 1 "Kezdő", 2 "Haladó", 3 "Mester"
};

// The names in table order (the order the players were added). Leaves filtering off.
std::vector<std::string> PlayerNames(tables::TableStore& players);

// ReloadPlayerList: the table again from "jatekosok.xml" in the folder (empty when the file is
// missing), and its names. The caller enables "Módosít"/"Töröl" when there is a name and
// "Hozzáad" while there are fewer than kMaxPlayers.
std::vector<std::string> ReloadPlayerList(tables::TableStore& players,
                                          const std::filesystem::path& folder);

// Makes the first row whose `nev` is exactly the name the current row, with filtering off, and
// returns it; none for an empty name or a name no row has (the cursor is then on the first row).
std::optional<PlayerRow> LocatePlayer(tables::TableStore& players, std::string_view name);

// Whether "jatekosok.xml" as it is now lacks the player of the key: another window deleted
// her. Key 0 is the player without a row, whom nobody can delete; a file that cannot be read
// cannot tell, and her result is rather kept. Filtering is off afterwards.
bool DeletedMeanwhile(tables::TableStore& players, const std::filesystem::path& folder,
                      int32_t key);

}  // namespace kvadrix::players
