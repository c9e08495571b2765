#include "players/completion_records.h"

#include <algorithm>
#include <string>

#include "board/game_clock.h"
#include "common/error.h"
#include "players/last_game_row.h"
#include "players/player_list.h"
#include "players/player_tables.h"
#include "tables/folder_lock.h"
#include "tables/store_guards.h"

namespace kvadrix::players {

void AppendResultRow(tables::TableStore& results, int32_t key, int32_t puzzle_id, double now,
                     int32_t ido) {
  results.Append();
  results.FieldByName(kNevkod).SetAsInteger(key);
  results.FieldByName(kJatekkod).SetAsInteger(puzzle_id);
  results.FieldByName(kDatum).SetAsDateTime(now);
  results.FieldByName(kIdo).SetAsInteger(ido);
  results.Post();
}

int32_t ResultTicks(double start_time, double now) {
  return static_cast<int32_t>(std::min<int64_t>(board::ElapsedTicks(start_time, now), INT32_MAX));
}

int32_t RecordResult(tables::TableStore& results, const std::filesystem::path& folder, int32_t key,
                     int32_t puzzle_id, double start_time, double now) {
  const int32_t ido = ResultTicks(start_time, now);
  const tables::FolderLock lock(folder);
  results.Refresh(folder / kResultFile);
  tables::SavedChange change(results);
  AppendResultRow(results, key, puzzle_id, now, ido);
  change.Save(folder / kResultFile);
  return ido;
}

Outcome MarkLastGameFinished(tables::TableStore& last_games, const std::filesystem::path& folder,
                             int32_t key, int32_t puzzle_id) {
  return WriteLastGameRow(last_games, folder, key, puzzle_id, true, std::nullopt);
}

Outcome RecordCompletion(PlayerData tables, const std::filesystem::path& folder,
                         const CompletedGame& game) {
  const tables::FolderLock lock(folder);
  if (DeletedMeanwhile(tables.players, folder, game.player_key)) return Refused(kPlayerGone);
  RecordResult(tables.results, folder, game.player_key, game.puzzle_id, game.start_time, game.now);
  // The result is recorded from here on, whatever becomes of the last-game row.
  try {
    return MarkLastGameFinished(tables.last_games, folder, game.player_key, game.puzzle_id);
  } catch (const Error& error) {
    return Refused(error.what());
  }
}

std::string CompletionQuestion(std::string_view time_text) {
  return "Ön kirakta a feladványt!\r\nIdeje: " + std::string(time_text) +
         "\r\nBetöltődjön új feladvány?";
}

}  // namespace kvadrix::players
