#include "players/best_time_map.h"

#include "players/best_results.h"
#include "players/player_tables.h"

namespace kvadrix::players {

BestTimeMap::BestTimeMap(tables::TableStore& results) {
  OrderResultsByTime(results);
  const tables::FieldRef nevkod = results.FieldByName(kNevkod);
  const tables::FieldRef jatekkod = results.FieldByName(kJatekkod);
  const tables::FieldRef ido = results.FieldByName(kIdo);
  best_.reserve(static_cast<size_t>(results.RecordCount()));
  for (results.First(); !results.Eof(); results.Next()) {
    if (nevkod.IsNull() || jatekkod.IsNull()) continue;
    // In `ido` order the first row of a pair is the one BestTimeText's filtered view starts with.
    best_.try_emplace(Key(nevkod.AsInteger(), jatekkod.AsInteger()), ido.AsInteger());
  }
  results.First();
}

std::optional<int32_t> BestTimeMap::Best(int32_t player_key, int32_t puzzle_id) const {
  const auto at = best_.find(Key(player_key, puzzle_id));
  if (at == best_.end()) return std::nullopt;
  return at->second;
}

}  // namespace kvadrix::players
