#pragma once
// Best times on a puzzle, read from the ResultTable: a player's best is the smallest `ido` of
// the player's rows on the puzzle. Both queries leave the ResultTable ordered by `ido` and
// unfiltered.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tables/table_store.h"

namespace kvadrix::players {

// "Anna legjobbja:": the title of a player's best times, on the play page and the summary.
inline constexpr std::string_view kBestSuffix = " legjobbja:";
inline constexpr std::string_view kNoTime = "n.a.";
inline constexpr std::string_view kNoRecordHolder = "-------:";

// The FormatTicks text of the player's best time on the puzzle, or "" when the player has not
// solved it. The key and the ID are decimal texts as the tables give them; a text that is no
// decimal number matches no row.
std::string BestTimeText(tables::TableStore& results, std::string_view player_key,
                         std::string_view puzzle_id);

// The captions of the play page's result labels for the puzzle being played.
struct BestResultTexts {
  std::string player_best = std::string(kNoTime);          // Lnaeredmeny
  std::string holder_name = std::string(kNoRecordHolder);  // Lnevvalaki
  std::string record_time = std::string(kNoTime);          // Lnveredmeny
};

// ShowBestResults without the labels. The record holder's name is read from the PlayerTable,
// whose filtering is off afterwards.
BestResultTexts ShowBestResults(tables::TableStore& results, tables::TableStore& players,
                                int32_t player_key, int32_t puzzle_id);

// A key or ID text read as the filter grammar reads a number; none when it is not a decimal
// integer of the tables' 32-bit range.
std::optional<int32_t> ParseKeyText(std::string_view text);

// Filtering off and the order by `ido`, which every reader of results leaves behind.
void OrderResultsByTime(tables::TableStore& results);

}  // namespace kvadrix::players
