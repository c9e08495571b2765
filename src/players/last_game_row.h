#pragma once
// Writing a player's one LastGameTable row, shared by closing the window during a game and by
// completing one.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "common/outcome.h"
#include "tables/table_store.h"

namespace kvadrix::players {

inline constexpr std::string_view kDamagedLastGames = "baj van!";

// The row change of WriteLastGameRow alone, in memory, for tools that build a play folder's
// history without saving after every game. Not done for several rows of the key.
Outcome PutLastGameRow(tables::TableStore& last_games, int32_t key, int32_t puzzle_id, bool teljes,
                       std::optional<int32_t> felbe);

// The row of the key is edited, or appended when there is none, with `nevkod`, `jatekkod`,
// `teljes` and, when given, `felbe`; `mezok` and an ungiven `felbe` keep what they hold, in the
// file as it is now; saves "utolso.xml" under the folder's lock. Several rows for the key (a
// damaged file) change nothing and give "baj van!". Filtering is off afterwards.
Outcome WriteLastGameRow(tables::TableStore& last_games, const std::filesystem::path& folder,
                         int32_t key, int32_t puzzle_id, bool teljes, std::optional<int32_t> felbe);

}  // namespace kvadrix::players
