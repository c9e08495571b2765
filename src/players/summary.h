#pragma once
// The summary page's table: one row per puzzle of the numbered levels, a red separator row
// before the first puzzle of each level after the first, and one column per player (at most
// five) holding that player's best time.
#include <string>
#include <string_view>
#include <vector>

#include "players/best_results.h"
#include "tables/table_store.h"

namespace kvadrix::players {

inline constexpr std::string_view kPlayerTableClosed = "Baj van!";

struct SummaryBuild {
  std::string message;                    // non-empty: show it; the summary stays empty
  std::vector<std::string> player_names;  // column k+1 is titled name + kBestSuffix and shown
};

// BuildSummary. The results are read in one pass, so the cost does not grow with players times
// puzzles; every cell is the text BestTimeText gives. Afterwards the PuzzleTable is unfiltered
// with its filter text empty, the ResultTable unfiltered and ordered by `ido`, the PlayerTable
// unfiltered, and the summary on its first row with one change notice for its grid.
SummaryBuild BuildSummary(tables::TableStore& summary, tables::TableStore& players,
                          tables::TableStore& puzzles, tables::TableStore& results);

}  // namespace kvadrix::players
