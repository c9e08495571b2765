#pragma once
// A temporary folder with the player tables, and adding players with chosen keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/add_player.h"
#include "players/player_list.h"
#include "players/player_tables.h"
#include "support/fakes.h"
#include "support/table_rows.h"
#include "support/temp_folder.h"

namespace kvadrix::players {

using testing::ManualClock;
using testing::ReadBytes;
using testing::Reloaded;
using testing::Rows;
using testing::ScriptedRandom;
using testing::States;
using testing::TempFolder;

inline constexpr double kNow = 45000.25;  // 15 March 2023, 6 o'clock

inline NewPlayer Player(std::string name, std::string password, int32_t szint = 1) {
  return NewPlayer{std::move(name), password, password, 1, szint};
}

class PlayerFiles : public ::testing::Test {
 protected:
  // The player table as the program opens it at start: from its file, or empty.
  PlayerFiles() { ReloadPlayerList(players_, folder_.path()); }

  // Adds a player with the given key; the player is expected to be stored.
  void Add(const NewPlayer& player, uint32_t key) {
    ScriptedRandom random({key});
    const AddOutcome outcome = AddPlayer(players_, folder_.path(), player, clock_, random);
    ASSERT_TRUE(outcome.done) << outcome.message;
    EXPECT_EQ(random.unscripted, 0);
  }
  std::vector<std::string> StoredRows() {
    return Rows(Reloaded(MakePlayerTable, folder_ / kPlayerFile));
  }

  TempFolder folder_;
  ManualClock clock_{kNow};
  tables::TableStore players_ = MakePlayerTable();
};

}  // namespace kvadrix::players
