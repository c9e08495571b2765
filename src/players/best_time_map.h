#pragma once
// Every player's best time on every puzzle, from one pass over the ResultTable.
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "tables/table_store.h"

namespace kvadrix::players {

class BestTimeMap {
 public:
  // Reads every visible result, leaving the table unfiltered and ordered by `ido`. Rows
  // without a player key or puzzle ID count for no one; a missing `ido` counts as 0.
  explicit BestTimeMap(tables::TableStore& results);

  std::optional<int32_t> Best(int32_t player_key, int32_t puzzle_id) const;

 private:
  static uint64_t Key(int32_t player_key, int32_t puzzle_id) {
    return (uint64_t{static_cast<uint32_t>(player_key)} << 32) | static_cast<uint32_t>(puzzle_id);
  }

  std::unordered_map<uint64_t, int32_t> best_;
};

}  // namespace kvadrix::players
