#include <gtest/gtest.h>

#include <filesystem>

#include "common/error.h"
#include "player_fixture.h"
#include "players/change_player.h"
#include "players/completion_records.h"
#include "players/player_list.h"
#include "players/player_tables.h"

namespace kvadrix::players {
namespace {

class PlayerChanges : public PlayerFiles {
 protected:
  void SetUp() override {
    Add(NewPlayer{"Anna", "régi", "régi", 1, 1}, 1);
    Add(Player("Béla", ""), 2);
  }
  Outcome Modify(std::string name, std::string current, std::string fresh, std::string again,
                 int32_t szint = 1) {
    return ModifyPlayer(players_, folder_.path(),
                        PlayerChange{name, current, fresh, again, 2, szint});
  }
};

TEST_F(PlayerChanges, ModifyingChecksInOrderAndKeepsAnUntypedPassword) {
  const std::string before = ReadBytes(folder_ / kPlayerFile);
  const auto refused = [&](Outcome outcome) {
    EXPECT_FALSE(outcome.done);
    return outcome.message;
  };
  EXPECT_EQ(refused(Modify("", "régi", "", "")), "Kérem, válasszon ki egy nevet!");
  // The current password is checked before the two new ones are compared.
  EXPECT_EQ(refused(Modify("Anna", "Régi", "a", "b")),
            "A játékos jelszava nem egyezik meg, ami be lett ütve!\r\nKérem, adja meg jól!");
  EXPECT_EQ(refused(Modify("Anna", "régi", "a", "b")),
            "A két jelszó nem egyezik meg!\r\nKérem, adja meg ugyanazt!");
  EXPECT_EQ(refused(Modify("Anna", "régi", "✓", "✓")),
            "A jelszó olyan karaktert tartalmaz, amelyet a program nem tud tárolni!");
  EXPECT_EQ(refused(Modify("Béla", "x", "", "")),
            "A játékos jelszava nem egyezik meg, ami be lett ütve!\r\nKérem, adja meg jól!");
  EXPECT_EQ(ReadBytes(folder_ / kPlayerFile), before);

  Outcome done = Modify("Anna", "régi", "", "", 3);
  EXPECT_TRUE(done.done);
  EXPECT_EQ(done.message, "A módosítás megtörtént!\r\nJelszómódosítás nem volt!");
  EXPECT_EQ(StoredRows(), (std::vector<std::string>{"1|Anna|régi|2|3", "2|Béla||1|1"}));

  done = Modify("Anna", "régi", "új", "új", 2);
  EXPECT_EQ(done.message, "A módosítás megtörtént!\r\nA jelszó is módosítva lett!");
  // An empty stored password matches an empty entry.
  EXPECT_TRUE(Modify("Béla", "", "", "", 2).done);

  // Each change supersedes the row and keeps its place in the list.
  tables::TableStore stored = Reloaded(MakePlayerTable, folder_ / kPlayerFile);
  EXPECT_EQ(Rows(stored), (std::vector<std::string>{"1|Anna|új|2|2", "2|Béla||2|2"}));
  EXPECT_EQ(States(stored), (std::vector<int>{1, 1, 1, 8, 8}));
  EXPECT_EQ(stored.ChangeLog(),
            (std::vector<uint32_t>{1, 0, 4, 2, 0, 4, 3, 1, 8, 4, 3, 8, 5, 2, 8}));
  EXPECT_EQ(ReloadPlayerList(players_, folder_.path()), (std::vector<std::string>{"Anna", "Béla"}));
}

class PlayerDeletion : public PlayerChanges {
 protected:
  PlayerData Data() { return PlayerData{players_, results_, last_games_}; }

  tables::TableStore results_ = MakeResultTable();
  tables::TableStore last_games_ = MakeLastGameTable();
};

TEST_F(PlayerDeletion, RemovesEveryRowOfThePlayerFromTheThreeFiles) {
  results_.CreateDataSet();
  last_games_.CreateDataSet();
  RecordResult(results_, folder_.path(), 1, 10001, kNow, kNow + 0.003);
  RecordResult(results_, folder_.path(), 2, 10001, kNow, kNow + 0.002);
  RecordResult(results_, folder_.path(), 1, 10002, kNow, kNow + 0.004);
  // A damaged file with two last-game rows for Anna: neither may outlive her.
  for (const int32_t key : {1, 2, 1}) {
    last_games_.Append();
    last_games_.FieldByName("NEVKOD").SetAsInteger(key);
    last_games_.FieldByName("JATEKKOD").SetAsInteger(10000 + key);
    last_games_.Post();
  }
  last_games_.SaveToFile(folder_ / kLastGameFile);

  const std::string wrong =
      "A játékos jelszava nem egyezik meg, ami be lett ütve!\r\nKérem, adja meg jól!";
  EXPECT_EQ(DeletePlayer(Data(), folder_.path(), "Anna", "").message, wrong);
  EXPECT_EQ(DeletePlayer(Data(), folder_.path(), "", "").message, "Kérem, válasszon ki egy nevet!");
  EXPECT_EQ(DeletePlayer(Data(), folder_.path(), "Senki", "").message,
            "Kérem, válasszon ki egy nevet!");
  EXPECT_EQ(Reloaded(MakeResultTable, folder_ / kResultFile).RecordCount(), 3);

  const Outcome deleted = DeletePlayer(Data(), folder_.path(), "Anna", "régi");
  EXPECT_TRUE(deleted.done);
  EXPECT_EQ(deleted.message, "A játékos összes adata törlődött!");

  tables::TableStore players = Reloaded(MakePlayerTable, folder_ / kPlayerFile);
  EXPECT_EQ(Rows(players), (std::vector<std::string>{"2|Béla||1|1"}));
  EXPECT_EQ(States(players), (std::vector<int>{2, 4}));
  EXPECT_EQ(players.ChangeLog(), (std::vector<uint32_t>{1, 0, 4, 2, 0, 4, 1, 0, 2}));

  tables::TableStore results = Reloaded(MakeResultTable, folder_ / kResultFile);
  EXPECT_EQ(Rows(results), (std::vector<std::string>{"2|10001|2023-03-15|200"}));
  EXPECT_EQ(results.ChangeLog(),
            (std::vector<uint32_t>{1, 0, 4, 2, 0, 4, 3, 0, 4, 1, 0, 2, 3, 0, 2}));

  tables::TableStore last_games = Reloaded(MakeLastGameTable, folder_ / kLastGameFile);
  EXPECT_EQ(Rows(last_games), (std::vector<std::string>{"2|10002|-|-|-"}));
  EXPECT_EQ(States(last_games), (std::vector<int>{2, 4, 2}));

  EXPECT_EQ(ReloadPlayerList(players_, folder_.path()), (std::vector<std::string>{"Béla"}));
  EXPECT_FALSE(results_.Filtered());
  EXPECT_TRUE(results_.Filter().empty());
}

TEST_F(PlayerDeletion, SkipsMissingFilesAndChangesNoFileWhenOneCannotBeRead) {
  results_.CreateDataSet();
  last_games_.CreateDataSet();
  EXPECT_TRUE(DeletePlayer(Data(), folder_.path(), "Béla", "").done);
  EXPECT_FALSE(std::filesystem::exists(folder_ / kLastGameFile));
  EXPECT_FALSE(std::filesystem::exists(folder_ / kResultFile));
  EXPECT_EQ(StoredRows(), (std::vector<std::string>{"1|Anna|régi|1|1"}));

  // The result file cannot be read or written: nothing is deleted, in no file.
  MarkLastGameFinished(last_games_, folder_.path(), 1, 10001);
  std::filesystem::create_directory(folder_ / kResultFile);
  const std::string players_before = ReadBytes(folder_ / kPlayerFile);
  const std::string last_games_before = ReadBytes(folder_ / kLastGameFile);
  EXPECT_THROW(DeletePlayer(Data(), folder_.path(), "Anna", "régi"), Error);
  EXPECT_EQ(ReadBytes(folder_ / kLastGameFile), last_games_before);
  EXPECT_EQ(ReadBytes(folder_ / kPlayerFile), players_before);
}

}  // namespace
}  // namespace kvadrix::players
