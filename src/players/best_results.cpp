#include "players/best_results.h"

#include <charconv>

#include "board/game_clock.h"
#include "players/player_tables.h"
#include "tables/store_guards.h"

namespace kvadrix::players {
namespace {

// The fastest of the rows the filter keeps: its time and its player.
struct Fastest {
  int32_t ido;
  int32_t nevkod;
};

std::optional<Fastest> FastestInFilter(tables::TableStore& results, const std::string& filter) {
  OrderResultsByTime(results);
  const tables::FilteredView rows(results, filter);
  if (rows.Count() == 0) return std::nullopt;
  results.First();
  return Fastest{results.FieldByName(kIdo).AsInteger(), results.FieldByName(kNevkod).AsInteger()};
}

// The puzzle first: it rejects almost every row on its own, so the filter rarely reads the key.
std::string KeyAndPuzzleFilter(int32_t key, int32_t puzzle_id) {
  return KeyFilter(kJatekkod, puzzle_id) + " and " + KeyFilter(kNevkod, key);
}

}  // namespace

std::optional<int32_t> ParseKeyText(std::string_view text) {
  int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

void OrderResultsByTime(tables::TableStore& results) {
  results.SetFiltered(false);
  // Setting the same order again would only check the whole table once more.
  if (results.IndexFieldNames() != kIdo) results.SetIndexFieldNames(kIdo);
}

std::string BestTimeText(tables::TableStore& results, std::string_view player_key,
                         std::string_view puzzle_id) {
  const std::optional<int32_t> key = ParseKeyText(player_key);
  const std::optional<int32_t> id = ParseKeyText(puzzle_id);
  if (!key || !id) {
    OrderResultsByTime(results);
    return "";
  }
  const std::optional<Fastest> best = FastestInFilter(results, KeyAndPuzzleFilter(*key, *id));
  return best ? board::FormatTicks(best->ido) : "";
}

BestResultTexts ShowBestResults(tables::TableStore& results, tables::TableStore& players,
                                int32_t player_key, int32_t puzzle_id) {
  BestResultTexts texts;
  if (const auto best = FastestInFilter(results, KeyAndPuzzleFilter(player_key, puzzle_id))) {
    texts.player_best = board::FormatTicks(best->ido);
  }
  if (const auto record = FastestInFilter(results, KeyFilter(kJatekkod, puzzle_id))) {
    const tables::FilteredView holder(players, KeyFilter(kKod, record->nevkod));
    texts.holder_name = players.FieldByName(kNev).AsString();
    texts.record_time = board::FormatTicks(record->ido);
  }
  return texts;
}

}  // namespace kvadrix::players
