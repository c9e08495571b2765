#pragma once
// The window's five tables and the folder of their files.
#include <filesystem>
#include <string_view>

#include "players/player_tables.h"
#include "tables/table_store.h"

namespace kvadrix::app {

class HandlerGuard;

struct TableSet {
  explicit TableSet(std::filesystem::path folder);

  std::filesystem::path File(std::string_view name) const { return work_dir / name; }
  players::PlayerData Players() { return {cdsjatekosok, cdsEredmenyek, cdsUtolso}; }
  // Other windows and machines save the same files: a table is read again when its file
  // changed (true then). A damaged file is left to say so where its table is used.
  bool Follow(tables::TableStore& store, std::string_view file);
  // Each table file loads on its own: a damaged one is reported and stays closed, so its later
  // uses repeat its error and its file is never saved over, while the other tables work.
  void LoadAtStart(HandlerGuard& guard);

  std::filesystem::path work_dir;
  tables::TableStore cds;  // the puzzles, indexed by ID
  tables::TableStore cdsjatekosok;
  tables::TableStore cdsEredmenyek;
  tables::TableStore cdsUtolso;
  tables::TableStore cdsOsszes;  // the summary, built in memory
};

}  // namespace kvadrix::app
