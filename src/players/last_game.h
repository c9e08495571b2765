#pragma once
// Entering play and the last game: the player's key and level, the offer of the last game, and
// the row written when the window closes during a game.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/outcome.h"
#include "players/last_game_row.h"
#include "players/player_tables.h"
#include "tables/table_store.h"

namespace kvadrix::players {

inline constexpr std::string_view kLoadAGame = "Kérem töltsön be egy játékot!";
// Asked when closing during a game could not store it.
inline constexpr std::string_view kLeaveWithoutStoring =
    "A félbehagyott játék nem lett elmentve.\r\nKilép mentés nélkül?";

struct PlayerForPlay {
  int32_t key = 0;               // 0 when no row has the name
  std::optional<int32_t> szint;  // 1, 2 or 3 selects the level preset; none leaves it
};

// The player row whose `nev` is exactly the name (as typed in "Kiválasztott játékos:").
// Filtering is off afterwards.
PlayerForPlay FindPlayerForPlay(tables::TableStore& players, std::string_view name);
// The same in "jatekosok.xml" as it is now; none with `gone` set when the name was offered in
// the window's list (`listed`) but another window deleted her since.
struct PlayerToEnter : PlayerForPlay {
  bool gone = false;
};
PlayerToEnter FindPlayerToEnter(tables::TableStore& players, const std::filesystem::path& folder,
                                std::string_view name, bool listed);

struct LastGameOffer {
  enum class Kind {
    kNone,        // no file or no row: show `text`
    kFinished,    // ask `text`; Yes runs LoadNextPuzzle
    kUnfinished,  // ask `text`; Yes runs ReloadCurrentPuzzle
    kDamaged,     // several rows for the player: show `text`, ask nothing
  };
  Kind kind = Kind::kNone;
  int32_t puzzle_id = 0;  // becomes CurrentPuzzleId for kFinished and kUnfinished
  std::string text;
};

// Reads the LastGameTable from "utolso.xml" again when the file changed (none when it is gone)
// and looks up the player's row. Filtering is off afterwards.
LastGameOffer LookUpLastGame(tables::TableStore& last_games, const std::filesystem::path& folder,
                             int32_t key);

// FormClose with the clock running: the player's row gets the puzzle, `teljes` false and the
// elapsed ticks in `felbe` (`mezok` is left as it is), and "utolso.xml" is saved. Several rows
// for the player store nothing and give "baj van!"; a player another window deleted meanwhile
// gives kPlayerGone.
Outcome StoreUnfinishedGame(PlayerData tables, const std::filesystem::path& folder, int32_t key,
                            int32_t puzzle_id, int64_t ticks);

}  // namespace kvadrix::players
