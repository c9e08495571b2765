#pragma once
// What a correctly completed game writes: a result row and the finished mark of the last game.
#include <cstdint>
#include <filesystem>

#include "players/outcome.h"
#include "tables/table_store.h"

namespace kvadrix::players {

// Appends the result row (`datum` the calendar day of `now`, `ido` the ticks from `start_time`
// to `now`, both day counts) and saves "eredmenyek.xml". Returns `ido`.
int32_t RecordResult(tables::TableStore& results, const std::filesystem::path& folder, int32_t key,
                     int32_t puzzle_id, double start_time, double now);

// The player's last-game row gets the puzzle and `teljes` true, keeping `felbe` and `mezok`;
// "utolso.xml" is saved. Several rows for the player change nothing and give "baj van!".
Outcome MarkLastGameFinished(tables::TableStore& last_games, const std::filesystem::path& folder,
                             int32_t key, int32_t puzzle_id);

}  // namespace kvadrix::players
