#pragma once
// The three table files of the players' data and the in-memory summary table: their file
// names, declared fields and opening. Every function taking a folder resolves the file names
// against it (the program passes its working directory).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "tables/table_store.h"

namespace kvadrix::players {

inline constexpr std::string_view kPlayerFile = "jatekosok.xml";
inline constexpr std::string_view kResultFile = "eredmenyek.xml";
inline constexpr std::string_view kLastGameFile = "utolso.xml";

inline constexpr int kMaxPlayers = 5;
inline constexpr int kSummaryPlayerColumns = 5;

// Stores with the declared fields, still closed. The player store writes its file readable by
// its owner only, since the file holds passwords in plain text.
tables::TableStore MakePlayerTable();
tables::TableStore MakeResultTable();
tables::TableStore MakeLastGameTable();
tables::TableStore MakeSummaryTable();

// Loads the file when it exists, otherwise opens the store empty (nothing is written).
void LoadOrCreate(tables::TableStore& store, const std::filesystem::path& file);

// "NEVKOD=" + key and the like: an Integer field compared with a number.
std::string KeyFilter(std::string_view field, int64_t key);

// Filters the player table with lookup ("NEV=" or "NEV =") and the quoted name, and puts the
// cursor on the record whose name is exactly that name; false when none is. A quoted name that
// ends in "*" is a prefix in the filter grammar, so the filter alone would also keep "Kiss" for
// "Ki*". Filtered stays on.
bool FilterToExactName(tables::TableStore& players, std::string_view lookup, std::string_view name);

}  // namespace kvadrix::players
