// A name that ends in "*" is a prefix in the filter grammar; adding and entering play still
// treat it as the one exact name it is.
#include <gtest/gtest.h>

#include "player_fixture.h"
#include "players/last_game.h"

namespace kvadrix::players {
namespace {

class StarName : public PlayerFiles {};

TEST_F(StarName, NameEndingInAStarIsItsOwnPlayer) {
  Add(Player("Kiss", "", 2), 11);
  Add(Player("Ki*", "", 3), 12);  // not "taken" by Kiss
  Add(Player("Kis*", "", 1), 13);
  EXPECT_EQ(FindPlayerForPlay(players_, "Ki*").key, 12);  // not Kiss, who comes first
  EXPECT_EQ(FindPlayerForPlay(players_, "Ki*").szint, 3);
  EXPECT_EQ(FindPlayerForPlay(players_, "Kis*").key, 13);
  EXPECT_EQ(FindPlayerForPlay(players_, "Kiss").key, 11);
  EXPECT_EQ(FindPlayerForPlay(players_, "K*").key, 0);
  EXPECT_FALSE(players_.Filtered());

  ScriptedRandom random;
  const AddOutcome again = AddPlayer(players_, folder_.path(), Player("Ki*", ""), clock_, random);
  EXPECT_FALSE(again.done);
  EXPECT_EQ(again.message, kNameTaken);
  EXPECT_EQ(StoredRows(),
            (std::vector<std::string>{"11|Kiss||1|2", "12|Ki*||1|3", "13|Kis*||1|1"}));
}

}  // namespace
}  // namespace kvadrix::players
