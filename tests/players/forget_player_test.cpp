// What a deleted player and an old password leave in the play folder: nothing of theirs, while
// the rows, their states and the change log stay, and a failed save leaves memory as the disk.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "common/error.h"
#include "player_fixture.h"
#include "players/change_player.h"
#include "players/completion_records.h"
#include "players/player_tables.h"
#include "support/failing_writer.h"
#include "tables/file_writer.h"

namespace kvadrix::players {
namespace {

// ASCII, so they are the same bytes in the file, and nowhere else in it by chance.
constexpr char kName[] = "Zsofiqx";
const std::vector<std::string> kPasswords = {"Kwpa1x", "Kwpb2x", "Kwpc3x"};
constexpr int32_t kKey = 7;
constexpr int32_t kOtherKey = 8;

// Every stored record, hidden ones included, as "state:value|value|..."; the name and password
// of the rows of blanked_key as empty.
std::vector<std::string> StoredRecords(const tables::TableStore& store, int32_t blanked_key = -1) {
  const int kod = store.FieldIndex(kKod);
  const int nev = store.FieldIndex(kNev);
  const int jelszo = store.FieldIndex(kJelszo);
  std::vector<std::string> records;
  for (int record = 1; record <= store.StoredRecordCount(); ++record) {
    const bool blanked = store.StoredValue(record, kod) == std::to_string(blanked_key);
    std::string text = std::to_string(store.StoredRecordState(record)) + ":";
    for (int field = 0; field < store.FieldCount(); ++field) {
      if (!blanked || (field != nev && field != jelszo)) text += store.StoredValue(record, field);
      text += "|";
    }
    records.push_back(text);
  }
  return records;
}

class ForgetPlayer : public PlayerFiles {
 protected:
  void SetUp() override {
    Add(Player(kName, kPasswords[0]), kKey);
    Add(Player("Bertvy", "Mnop2y"), kOtherKey);
  }
  Outcome ChangePassword(const std::string& from, const std::string& to) {
    return ModifyPlayer(players_, folder_.path(), PlayerChange{kName, from, to, to, 3, 2});
  }
  PlayerData Data() { return PlayerData{players_, results_, last_games_}; }

  tables::TableStore results_ = MakeResultTable();
  tables::TableStore last_games_ = MakeLastGameTable();
};

TEST_F(ForgetPlayer, NothingOfADeletedPlayerStaysInTheFolder) {
  results_.CreateDataSet();
  last_games_.CreateDataSet();
  RecordResult(results_, folder_.path(), kKey, 10001, kNow, kNow + 0.003);
  MarkLastGameFinished(last_games_, folder_.path(), kKey, 10001);
  ASSERT_TRUE(
      ModifyPlayer(players_, folder_.path(), PlayerChange{"Bertvy", "Mnop2y", "", "", 2, 3}).done);
  ASSERT_TRUE(ChangePassword(kPasswords[0], kPasswords[1]).done);
  EXPECT_EQ(ReadBytes(folder_ / kPlayerFile).find(kPasswords[0]), std::string::npos);
  ASSERT_TRUE(ChangePassword(kPasswords[1], kPasswords[2]).done);
  std::string bytes = ReadBytes(folder_ / kPlayerFile);
  EXPECT_EQ(bytes.find(kPasswords[0]), std::string::npos);
  EXPECT_EQ(bytes.find(kPasswords[1]), std::string::npos);
  EXPECT_NE(bytes.find(kPasswords[2]), std::string::npos);  // the current one stays

  // The same deletion without the clearing, for what the file must keep.
  tables::TableStore kept = Reloaded(MakePlayerTable, folder_ / kPlayerFile);
  ASSERT_TRUE(LocatePlayer(kept, kName));
  kept.Delete();

  ASSERT_TRUE(DeletePlayer(Data(), folder_.path(), kName, kPasswords[2]).done);
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
    bytes = ReadBytes(entry.path());
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_EQ(bytes.find(kName), std::string::npos);
    for (const std::string& password : kPasswords) {
      EXPECT_EQ(bytes.find(password), std::string::npos) << password;
    }
  }

  tables::TableStore stored = Reloaded(MakePlayerTable, folder_ / kPlayerFile);
  EXPECT_EQ(stored.ChangeLog(), kept.ChangeLog());
  // Record by record and state by state, only her names and passwords are gone; Bertvy's rows
  // are as they were.
  EXPECT_EQ(StoredRecords(stored), StoredRecords(kept, kKey));
  EXPECT_EQ(ReloadPlayerList(players_, folder_.path()), (std::vector<std::string>{"Bertvy"}));
}

TEST_F(ForgetPlayer, ASaveThatFailsBringsTheClearedValuesBack) {
  ASSERT_TRUE(ChangePassword(kPasswords[0], kPasswords[1]).done);
  // A superseded row with the current password, which the next password change clears.
  const PlayerChange colour{kName, kPasswords[1], "", "", 2, 1};
  ASSERT_TRUE(ModifyPlayer(players_, folder_.path(), colour).done);
  results_.CreateDataSet();  // no result or last-game file: only the player file is saved
  last_games_.CreateDataSet();
  const std::string on_disk = ReadBytes(folder_ / kPlayerFile);
  const std::vector<std::string> records = StoredRecords(players_);

  tables::testing::FailingWriter failing(tables::testing::WriterCall::kRename, EIO);
  {
    const tables::ScopedFileWriter scope(failing);
    EXPECT_THROW(ChangePassword(kPasswords[1], kPasswords[2]), Error);
    EXPECT_EQ(StoredRecords(players_), records);
    EXPECT_THROW(DeletePlayer(Data(), folder_.path(), kName, kPasswords[1]), Error);
    EXPECT_EQ(StoredRecords(players_), records);
  }
  EXPECT_EQ(ReadBytes(folder_ / kPlayerFile), on_disk);
  EXPECT_EQ(players_.SaveToBytes(), on_disk);

  // The next save that can succeed clears them after all.
  ASSERT_TRUE(ChangePassword(kPasswords[1], kPasswords[2]).done);
  const std::string bytes = ReadBytes(folder_ / kPlayerFile);
  EXPECT_EQ(bytes.find(kPasswords[0]), std::string::npos);
  EXPECT_EQ(bytes.find(kPasswords[1]), std::string::npos);
}

}  // namespace
}  // namespace kvadrix::players
