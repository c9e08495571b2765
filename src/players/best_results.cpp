#include "players/best_results.h"

#include <charconv>

#include "board/game_clock.h"
#include "players/player_tables.h"

namespace kvadrix::players {
namespace {

constexpr std::string_view kTimeIndex = "IDO";

// Filters the results by the text, and the FormatTicks text of the smallest `ido` left, if any.
std::optional<std::string> FastestInFilter(tables::TableStore& results, const std::string& filter) {
  OrderResultsByTime(results);
  results.SetFilter(filter);
  results.SetFiltered(true);
  std::optional<std::string> text;
  if (results.RecordCount() > 0) {
    results.First();
    text = board::FormatTicks(results.FieldByName("IDO").AsInteger());
  }
  return text;
}

// The puzzle first: it rejects almost every row on its own, so the filter rarely reads the key.
std::string KeyAndPuzzleFilter(int32_t key, int32_t puzzle_id) {
  return KeyFilter("JATEKKOD", puzzle_id) + " and " + KeyFilter("NEVKOD", key);
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
  if (results.IndexFieldNames() != kTimeIndex) results.SetIndexFieldNames(kTimeIndex);
}

std::string BestTimeText(tables::TableStore& results, std::string_view player_key,
                         std::string_view puzzle_id) {
  const std::optional<int32_t> key = ParseKeyText(player_key);
  const std::optional<int32_t> id = ParseKeyText(puzzle_id);
  if (!key || !id) {
    OrderResultsByTime(results);
    return "";
  }
  const std::optional<std::string> text = FastestInFilter(results, KeyAndPuzzleFilter(*key, *id));
  results.SetFiltered(false);
  return text.value_or("");
}

BestResultTexts ShowBestResults(tables::TableStore& results, tables::TableStore& players,
                                int32_t player_key, int32_t puzzle_id) {
  BestResultTexts texts;
  if (auto best = FastestInFilter(results, KeyAndPuzzleFilter(player_key, puzzle_id))) {
    texts.player_best = *best;
  }
  if (auto record = FastestInFilter(results, KeyFilter("JATEKKOD", puzzle_id))) {
    const int32_t holder = results.FieldByName("NEVKOD").AsInteger();
    players.SetFiltered(false);
    players.SetFilter(KeyFilter("KOD", holder));
    players.SetFiltered(true);
    texts.holder_name = players.FieldByName("NEV").AsString();
    texts.record_time = *record;
    players.SetFiltered(false);
  }
  results.SetFiltered(false);
  return texts;
}

}  // namespace kvadrix::players
