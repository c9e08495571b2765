#include "players/last_game.h"

#include <gtest/gtest.h>

#include "player_fixture.h"
#include "players/completion_records.h"
#include "players/player_tables.h"
#include "players/player_text.h"

namespace kvadrix::players {
namespace {

class LastGame : public PlayerFiles {
 protected:
  LastGameOffer LookUp(int32_t key) { return LookUpLastGame(last_games_, folder_.path(), key); }
  std::vector<std::string> StoredRows() {
    return Rows(Reloaded(MakeLastGameTable, folder_ / kLastGameFile));
  }
  // A row as another version of the program might have left it, `mezok` included.
  void StoreRow(int32_t key, int32_t id, bool teljes, int32_t felbe, std::string mezok) {
    last_games_.Append();
    last_games_.FieldByName("NEVKOD").SetAsInteger(key);
    last_games_.FieldByName("JATEKKOD").SetAsInteger(id);
    last_games_.FieldByName("TELJES").SetAsBoolean(teljes);
    last_games_.FieldByName("FELBE").SetAsInteger(felbe);
    last_games_.FieldByName("MEZOK").SetAsString(mezok);
    last_games_.Post();
    last_games_.SaveToFile(folder_ / kLastGameFile);
  }

  // The players the rows belong to: a row of a deleted player is never written.
  void AddPlayersWithKeys(std::initializer_list<int32_t> keys) {
    for (int32_t key : keys) Add(Player("Játékos" + std::to_string(key), "jelszo"), key);
  }
  PlayerData Tables(tables::TableStore& results) { return {players_, results, last_games_}; }

  tables::TableStore last_games_ = MakeLastGameTable();
  tables::TableStore results_ = MakeResultTable();
};

TEST_F(LastGame, EnteringPlayFindsThePlayerByExactName) {
  Add(Player("D'Artagnan", "", 3), 77);
  Add(Player("Éva", "", 2), 78);
  PlayerForPlay found = FindPlayerForPlay(players_, "D'Artagnan");
  EXPECT_EQ(found.key, 77);
  EXPECT_EQ(found.szint, 3);
  EXPECT_FALSE(players_.Filtered());
  EXPECT_EQ(FindPlayerForPlay(players_, "Éva").key, 78);
  found = FindPlayerForPlay(players_, "éva");
  EXPECT_EQ(found.key, 0);
  EXPECT_EQ(found.szint, std::nullopt);
  EXPECT_EQ(CurrentPlayerName("Árvíztűrő tükörfúrógép"), "Árvíztűrő ");
}

TEST_F(LastGame, OfferFollowsTheStoredRow) {
  EXPECT_EQ(LookUp(5).kind, LastGameOffer::Kind::kNone);  // no file yet
  EXPECT_EQ(LookUp(5).text, "Kérem töltsön be egy játékot!");

  last_games_.CreateDataSet();
  StoreRow(5, 20017, false, 90, "");
  StoreRow(6, 10005, true, 0, "");
  StoreRow(8, 60005, false, 0, "");
  StoreRow(9, 1, false, 0, "");
  StoreRow(9, 2, false, 0, "");
  last_games_.CreateDataSet();  // the look-up must read the file again

  LastGameOffer offer = LookUp(5);
  EXPECT_EQ(offer.kind, LastGameOffer::Kind::kUnfinished);
  EXPECT_EQ(offer.puzzle_id, 20017);
  EXPECT_EQ(offer.text, "Az utolsó befejezettlen játéka a/az: Közepes/17. Betöltsem?");
  offer = LookUp(6);
  EXPECT_EQ(offer.kind, LastGameOffer::Kind::kFinished);
  EXPECT_EQ(offer.puzzle_id, 10005);
  EXPECT_EQ(offer.text, "Az utolsó befejezett játéka a/az: Könnyű/5. Betöltsem a következőt?");
  EXPECT_EQ(LookUp(8).text, "Az utolsó befejezettlen játéka a/az: 60005/5. Betöltsem?");
  EXPECT_EQ(LookUp(7).kind, LastGameOffer::Kind::kNone);
  EXPECT_EQ(LookUp(7).text, "Kérem töltsön be egy játékot!");
  offer = LookUp(9);
  EXPECT_EQ(offer.kind, LastGameOffer::Kind::kDamaged);
  EXPECT_EQ(offer.text, "baj van!");
  EXPECT_FALSE(last_games_.Filtered());
}

TEST_F(LastGame, ClosingAndCompletingWriteThePlayersOneRow) {
  AddPlayersWithKeys({3, 4});
  last_games_.CreateDataSet();
  StoreRow(3, 30001, true, 12, "megjegyzés");
  const std::string path = (folder_ / kLastGameFile).string();

  EXPECT_TRUE(StoreUnfinishedGame(Tables(results_), folder_.path(), 3, 20017, 345).done);
  EXPECT_TRUE(StoreUnfinishedGame(Tables(results_), folder_.path(), 4, 10002, 60).done);
  EXPECT_EQ(StoredRows(),
            (std::vector<std::string>{"3|20017|FALSE|345|megjegyzés", "4|10002|FALSE|60|-"}));
  // Completion keeps `felbe` and `mezok`; a first completion leaves both empty.
  EXPECT_TRUE(MarkLastGameFinished(last_games_, folder_.path(), 3, 20018).done);
  EXPECT_TRUE(MarkLastGameFinished(last_games_, folder_.path(), 5, 10001).done);
  tables::TableStore stored = Reloaded(MakeLastGameTable, folder_ / kLastGameFile);
  EXPECT_EQ(Rows(stored), (std::vector<std::string>{"3|20018|TRUE|345|megjegyzés",
                                                    "4|10002|FALSE|60|-", "5|10001|TRUE|-|-"}));
  EXPECT_EQ(stored.ChangeLog(),
            (std::vector<uint32_t>{1, 0, 4, 2, 1, 8, 3, 0, 4, 4, 2, 8, 5, 0, 4}));
  EXPECT_FALSE(last_games_.Filtered());

  // Two rows of one player: nothing is stored, whichever write it is.
  StoreRow(4, 10003, false, 0, "");
  const std::string before = ReadBytes(folder_ / kLastGameFile);
  Outcome outcome = StoreUnfinishedGame(Tables(results_), folder_.path(), 4, 10004, 1);
  EXPECT_FALSE(outcome.done);
  EXPECT_EQ(outcome.message, "baj van!");
  outcome = MarkLastGameFinished(last_games_, folder_.path(), 4, 10004);
  EXPECT_EQ(outcome.message, "baj van!");
  EXPECT_EQ(ReadBytes(folder_ / kLastGameFile), before);
  EXPECT_FALSE(last_games_.Filtered());
}

TEST_F(LastGame, ResultRowHoldsTheDayAndTheTicks) {
  AddPlayersWithKeys({7});
  tables::TableStore results = MakeResultTable();
  results.CreateDataSet();
  // The day is the one of the end, not of the start; a clock set back counts as 0 ticks.
  const double start = 45000.999;
  EXPECT_EQ(RecordResult(results, folder_.path(), 7, 10005, start, start + 0.003), 300);
  EXPECT_EQ(RecordResult(results, folder_.path(), 7, 10005, start, start - 0.5), 0);
  tables::TableStore stored = Reloaded(MakeResultTable, folder_ / kResultFile);
  EXPECT_EQ(Rows(stored),
            (std::vector<std::string>{"7|10005|2023-03-16|300", "7|10005|2023-03-15|0"}));
  EXPECT_EQ(stored.ChangeLog(), (std::vector<uint32_t>{1, 0, 4, 2, 0, 4}));

  // The whole completion: with two last-game rows for the player the result is still saved.
  last_games_.CreateDataSet();
  StoreRow(7, 10004, false, 5, "");
  StoreRow(7, 10005, false, 6, "");
  const std::string last_before = ReadBytes(folder_ / kLastGameFile);
  const Outcome damaged =
      RecordCompletion(Tables(results), folder_.path(), {7, 10006, start, start + 0.001});
  EXPECT_EQ(damaged.message, "baj van!");
  EXPECT_EQ(Rows(Reloaded(MakeResultTable, folder_ / kResultFile)).back(),
            "7|10006|2023-03-16|100");
  EXPECT_EQ(ReadBytes(folder_ / kLastGameFile), last_before);
  EXPECT_EQ(CompletionQuestion("05:07"),
            "Ön kirakta a feladványt!\r\nIdeje: 05:07\r\nBetöltődjön új feladvány?");
}

}  // namespace
}  // namespace kvadrix::players
