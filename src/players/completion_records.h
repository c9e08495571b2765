#pragma once
// What a correctly completed game writes: a result row and the finished mark of the last game.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/outcome.h"
#include "players/player_tables.h"
#include "tables/table_store.h"

namespace kvadrix::players {

// The result row alone, in memory: `datum` the calendar day of `now`, `ido` as given. Tools that
// build a play folder's history without saving after every game use it too.
void AppendResultRow(tables::TableStore& results, int32_t key, int32_t puzzle_id, double now,
                     int32_t ido);
// The ticks from `start_time` to `now` a result stores, within the field's range.
int32_t ResultTicks(double start_time, double now);

// Appends the result row (`datum` the calendar day of `now`, `ido` the ticks from `start_time`
// to `now`, both day counts) to the file as it is now and saves "eredmenyek.xml", under the
// folder's lock. Returns `ido`.
int32_t RecordResult(tables::TableStore& results, const std::filesystem::path& folder, int32_t key,
                     int32_t puzzle_id, double start_time, double now);

// The player's last-game row gets the puzzle and `teljes` true, keeping `felbe` and `mezok`;
// "utolso.xml" is saved. Several rows for the player change nothing and give "baj van!".
Outcome MarkLastGameFinished(tables::TableStore& last_games, const std::filesystem::path& folder,
                             int32_t key, int32_t puzzle_id);

struct CompletedGame {
  int32_t player_key = 0;
  int32_t puzzle_id = 0;
  double start_time = 0;  // day counts
  double now = 0;         // read when the result is written
};

// Both writes of a verified solution, in order, under one lock of the folder. A player another
// window deleted meanwhile gives kPlayerGone and writes nothing. Each write is whole or not at
// all: a result that cannot be saved throws and leaves both tables as they were; once it is
// saved it stays, and a last-game row that cannot be written ("baj van!", a damaged or
// unwritable file) gives its message, not done. Every function here leaves a table it could
// not save as it was.
Outcome RecordCompletion(PlayerData tables, const std::filesystem::path& folder,
                         const CompletedGame& game);

// The question after a recorded completion, quoting the clock's text.
std::string CompletionQuestion(std::string_view time_text);

}  // namespace kvadrix::players
