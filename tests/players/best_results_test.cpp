#include "players/best_results.h"

#include <gtest/gtest.h>

#include "player_fixture.h"
#include "players/player_tables.h"

namespace kvadrix::players {
namespace {

class BestResults : public PlayerFiles {
 protected:
  void SetUp() override {
    Add(Player("Anna", ""), 1);
    Add(Player("Ba'lint", ""), 2);
    results_.CreateDataSet();
  }
  void Result(int32_t key, int32_t id, int32_t ido) {
    results_.Append();
    results_.FieldByName("NEVKOD").SetAsInteger(key);
    results_.FieldByName("JATEKKOD").SetAsInteger(id);
    results_.FieldByName("IDO").SetAsInteger(ido);
    results_.Post();
  }
  void ExpectResultsLeftOrderedAndUnfiltered() {
    EXPECT_EQ(results_.IndexFieldNames(), kIdo);
    EXPECT_FALSE(results_.Filtered());
    EXPECT_FALSE(players_.Filtered());
  }

  tables::TableStore results_ = MakeResultTable();
};

TEST_F(BestResults, BestTimeIsTheSmallestOfThePlayersRowsOnThePuzzle) {
  EXPECT_EQ(BestTimeText(results_, "1", "10001"), "");
  Result(1, 10001, 300);
  EXPECT_EQ(BestTimeText(results_, "1", "10001"), "05:00");
  Result(1, 10001, 450);
  Result(2, 10001, 120);  // another player's faster time is not this player's
  Result(1, 10002, 60);   // nor is this player's time on another puzzle
  EXPECT_EQ(BestTimeText(results_, "1", "10001"), "05:00");
  Result(1, 10001, 299);
  EXPECT_EQ(BestTimeText(results_, "1", "10001"), "04:59");
  EXPECT_EQ(BestTimeText(results_, "2", "10002"), "");
  EXPECT_EQ(BestTimeText(results_, "", "10001"), "");
  EXPECT_EQ(BestTimeText(results_, "1 and IDO<1", "10001"), "");
  ExpectResultsLeftOrderedAndUnfiltered();
}

TEST_F(BestResults, PlayPageShowsThePlayersBestAndTheRecordHolder) {
  BestResultTexts texts = ShowBestResults(results_, players_, 1, 10001);
  EXPECT_EQ(texts.player_best, "n.a.");
  EXPECT_EQ(texts.holder_name, "-------:");
  EXPECT_EQ(texts.record_time, "n.a.");

  Result(2, 10001, 200);
  texts = ShowBestResults(results_, players_, 1, 10001);
  EXPECT_EQ(texts.player_best, "n.a.");
  EXPECT_EQ(texts.holder_name, "Ba'lint");
  EXPECT_EQ(texts.record_time, "03:20");

  Result(1, 10001, 450);
  Result(1, 10001, 300);
  Result(1, 10001, 150);
  Result(2, 10002, 10);
  texts = ShowBestResults(results_, players_, 2, 10001);
  EXPECT_EQ(texts.player_best, "03:20");
  EXPECT_EQ(texts.holder_name, "Anna");
  EXPECT_EQ(texts.record_time, "02:30");
  ExpectResultsLeftOrderedAndUnfiltered();
  EXPECT_EQ(results_.RecordCount(), 5);
  EXPECT_EQ(players_.RecordCount(), 2);
}

}  // namespace
}  // namespace kvadrix::players
