#pragma once
// The puzzle library the game ships, as the game reads it.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "puzzles/puzzle_table.h"
#include "tables/table_store.h"

namespace kvadrix::testing {

struct ShippedRecord {
  int32_t id;
  char level;          // LevelCode
  std::string givens;  // Mezok
};

inline std::vector<ShippedRecord> ShippedLibrary() {
  tables::TableStore store;
  store.LoadFromFile(std::filesystem::path(KVADRIX_SOURCE_DIR) / "data" / puzzles::kPuzzleFile);
  std::vector<ShippedRecord> records;
  for (store.First(); !store.Eof(); store.Next()) {
    const std::string level = store.FieldByName(puzzles::kNehezseg).AsString();
    records.push_back({store.FieldByName(puzzles::kId).AsInteger(), level.empty() ? '?' : level[0],
                       store.FieldByName(puzzles::kMezok).AsString()});
  }
  return records;
}

}  // namespace kvadrix::testing
