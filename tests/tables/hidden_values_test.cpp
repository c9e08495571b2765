// Clearing values of hidden records: they leave the file, the records, states and log stay, and
// a rollback brings back exactly what was cleared, however checkpoints nest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"
#include "support/table_rows.h"
#include "support/table_test_support.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {
namespace {

using kvadrix::testing::States;

void AppendPlayer(TableStore& players, int key, const std::string& name,
                  const std::string& password) {
  players.Append();
  players.FieldByName("kod").SetAsInteger(key);
  players.FieldByName("nev").SetAsString(name);
  if (!password.empty()) players.FieldByName("jelszo").SetAsString(password);
  players.Post();
}

void SetPassword(TableStore& players, const std::string& password) {
  players.Edit();
  players.FieldByName("jelszo").SetAsString(password);
  players.Post();
}

TEST(HiddenValues, ClearedValuesLeaveTheFileAndComeBackOnRollBack) {
  TableStore players(PlayerFields());
  players.CreateDataSet();
  AppendPlayer(players, 1, "Qzanna", "");       // 1: no password, superseded below
  AppendPlayer(players, 2, "Qzbela", "Qzpw0");  // 2: stays visible
  players.First();
  SetPassword(players, "Qzpw1");  // 3: superseded below
  SetPassword(players, "Qzpw2");  // 4: deleted below, the last text of its columns
  players.First();
  players.Delete();
  const int nev = players.FieldIndex("nev");
  const int jelszo = players.FieldIndex("jelszo");
  const std::vector<int> both = {nev, jelszo};
  const std::string before = players.SaveToBytes();
  const std::vector<int> states = States(players);
  const std::vector<uint32_t> log = players.ChangeLog();

  const TableStore::Checkpoint outer = players.MakeCheckpoint();
  EXPECT_THROW(players.ClearHiddenValues(2, both), Error);  // Qzbela's visible row
  for (const int record : {1, 3, 4}) players.ClearHiddenValues(record, both);
  const std::string cleared = players.SaveToBytes();
  EXPECT_EQ(cleared.find("Qzanna"), std::string::npos);
  EXPECT_EQ(cleared.find("Qzpw1"), std::string::npos);
  EXPECT_EQ(cleared.find("Qzpw2"), std::string::npos);
  EXPECT_NE(cleared.find("<ROW RowState=\"2\" kod=\"1\"/>"), std::string::npos);  // absent: null

  // The file loads with every record, state and log entry; the cleared values read as null.
  TableStore reloaded(PlayerFields());
  reloaded.LoadFromBytes(cleared, "jatekosok.xml");
  EXPECT_EQ(States(reloaded), states);
  EXPECT_EQ(reloaded.ChangeLog(), log);
  EXPECT_EQ(ViewColumn(reloaded, "jelszo"), (std::vector<std::string>{"Qzpw0"}));
  EXPECT_EQ(reloaded.SaveToBytes(), cleared);

  // An inner change rolled back, then a different one: the arena must keep the cleared texts.
  const TableStore::Checkpoint inner = players.MakeCheckpoint();
  AppendPlayer(players, 3, "Qzcili", "Qzpw3");
  players.RollBack(inner);
  EXPECT_EQ(players.SaveToBytes(), cleared);
  AppendPlayer(players, 4, "Qzdani", "Qzpw4");
  players.RollBack(outer);
  EXPECT_EQ(players.SaveToBytes(), before);  // a null never cleared stays null
  EXPECT_EQ(players.StoredValue(4, jelszo), "Qzpw2");
}

}  // namespace
}  // namespace kvadrix::tables::testing
