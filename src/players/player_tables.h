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

// Field names as the files spell them; look-ups and filters match them regardless of case.
// PlayerTable.
inline constexpr std::string_view kKod = "kod";
inline constexpr std::string_view kNev = "nev";
inline constexpr std::string_view kJelszo = "jelszo";
inline constexpr std::string_view kSzin = "szin";
inline constexpr std::string_view kSzint = "szint";
// ResultTable and LastGameTable.
inline constexpr std::string_view kNevkod = "nevkod";
inline constexpr std::string_view kJatekkod = "jatekkod";
inline constexpr std::string_view kDatum = "datum";
inline constexpr std::string_view kIdo = "ido";
inline constexpr std::string_view kTeljes = "teljes";
inline constexpr std::string_view kFelbe = "felbe";
inline constexpr std::string_view kMezok = "mezok";
// SummaryTable: the puzzle's level name and number, then one column per player, "nev1".."nev5".
inline constexpr std::string_view kSummaryLevel = "Nehezseg";
inline constexpr std::string_view kSummaryNumber = "Sorszam";
std::string SummaryPlayerField(int column);  // 1..kSummaryPlayerColumns

// The three stores of the players' data, for operations that span them.
struct PlayerData {
  tables::TableStore& players;
  tables::TableStore& results;
  tables::TableStore& last_games;
};

// Stores with the declared fields, still closed. The player store writes its file readable by
// its owner only, since the file holds passwords in plain text.
tables::TableStore MakePlayerTable();
tables::TableStore MakeResultTable();
tables::TableStore MakeLastGameTable();
tables::TableStore MakeSummaryTable();

// Loads the file when it exists, otherwise opens the store empty (nothing is written).
void LoadOrCreate(tables::TableStore& store, const std::filesystem::path& file);

// "nevkod=" + key and the like: an Integer field compared with a number.
std::string KeyFilter(std::string_view field, int64_t key);

}  // namespace kvadrix::players
