#include "players/completion_records.h"

#include <algorithm>
#include <string>

#include "board/game_clock.h"
#include "players/last_game_row.h"
#include "players/player_tables.h"

namespace kvadrix::players {

int32_t RecordResult(tables::TableStore& results, const std::filesystem::path& folder, int32_t key,
                     int32_t puzzle_id, double start_time, double now) {
  const auto ido =
      static_cast<int32_t>(std::min<int64_t>(board::ElapsedTicks(start_time, now), INT32_MAX));
  results.Append();
  results.FieldByName(kNevkod).SetAsInteger(key);
  results.FieldByName(kJatekkod).SetAsInteger(puzzle_id);
  results.FieldByName(kDatum).SetAsDateTime(now);
  results.FieldByName(kIdo).SetAsInteger(ido);
  results.Post();
  results.SaveToFile(folder / kResultFile);
  return ido;
}

Outcome MarkLastGameFinished(tables::TableStore& last_games, const std::filesystem::path& folder,
                             int32_t key, int32_t puzzle_id) {
  return WriteLastGameRow(last_games, folder, key, puzzle_id, true, std::nullopt);
}

}  // namespace kvadrix::players
