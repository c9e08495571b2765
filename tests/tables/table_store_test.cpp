// The store's behaviour in memory: cursor, view order, editing, record states and the log.
#include "tables/table_store.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/error.h"
#include "support/table_test_support.h"

namespace kvadrix::tables::testing {
namespace {

void AppendPlayer(TableStore& players, int key, const std::string& name) {
  players.Append();
  players.FieldByName("KOD").SetAsInteger(key);
  players.FieldByName("NEV").SetAsString(name);
  players.Post();
}

std::vector<int> States(const TableStore& table) {
  std::vector<int> states;
  for (int record = 1; record <= table.StoredRecordCount(); ++record) {
    states.push_back(table.StoredRecordState(record));
  }
  return states;
}

TEST(TableStore, CursorAndEof) {
  TableStore players(PlayerFields());
  EXPECT_FALSE(players.Active());
  EXPECT_EQ(players.RecordCount(), 0);
  EXPECT_TRUE(players.Eof());
  EXPECT_THROW(players.First(), Error);

  players.CreateDataSet();
  EXPECT_TRUE(players.Active());
  EXPECT_TRUE(players.Eof());
  EXPECT_EQ(players.RecNo(), 0);
  EXPECT_TRUE(players.FieldByName("nev").IsNull());
  for (const char* name : {"Anna", "Béla", "Cili"}) AppendPlayer(players, 1, name);
  EXPECT_EQ(players.RecordCount(), 3);
  EXPECT_EQ(players.RecNo(), 3);  // Post leaves the cursor on the posted record

  players.First();
  EXPECT_FALSE(players.Eof());
  players.Next();
  players.Next();
  EXPECT_FALSE(players.Eof());
  EXPECT_EQ(players.RecNo(), 3);
  players.Next();  // on the last record: stays there and sets Eof
  EXPECT_TRUE(players.Eof());
  EXPECT_EQ(players.FieldByName("Nev").AsString(), "Cili");
  players.First();
  EXPECT_FALSE(players.Eof());
  EXPECT_EQ(players.FieldByName("nev").AsString(), "Anna");
}

TEST(TableStore, IndexOrdersAscendingAndKeepsEqualKeysInPlace) {
  TableStore results(ResultFields());
  results.SetIndexFieldNames("IDO");  // set while closed, applied when opened
  results.CreateDataSet();
  AppendResult(results, 1, 10001, 300);
  AppendResult(results, 2, 10001, 100);
  AppendResult(results, 3, 10001, 300);
  AppendResult(results, 4, 10001, 200);
  EXPECT_EQ(results.RecNo(), 2);  // the posted 200 stands second
  EXPECT_EQ(ViewColumn(results, "nevkod"), (std::vector<std::string>{"2", "4", "1", "3"}));

  results.First();
  results.Next();
  results.Edit();  // the 200 becomes 400 and moves to the end
  results.FieldByName("ido").SetAsInteger(400);
  results.Post();
  EXPECT_EQ(results.RecNo(), 4);
  EXPECT_EQ(ViewColumn(results, "nevkod"), (std::vector<std::string>{"2", "1", "3", "4"}));

  EXPECT_THROW(results.SetIndexFieldNames("nincs"), Error);
  EXPECT_EQ(results.IndexFieldNames(), "IDO");
  results.SetIndexFieldNames("");
  EXPECT_EQ(ViewColumn(results, "nevkod"), (std::vector<std::string>{"1", "2", "3", "4"}));
  results.SetIndexFieldNames("ido;NEVKOD");
  EXPECT_EQ(ViewColumn(results, "ido"), (std::vector<std::string>{"100", "300", "300", "400"}));

  // Filter, Filtered and the index survive a reload; the cursor starts on the first record.
  const std::string saved = results.SaveToBytes();
  results.SetFilter("IDO<350");
  results.SetFiltered(true);
  results.SetIndexFieldNames("ido");
  results.LoadFromBytes(saved, "eredmenyek.xml");
  EXPECT_EQ(results.Filter(), "IDO<350");
  EXPECT_TRUE(results.Filtered());
  EXPECT_EQ(results.RecNo(), 1);
  EXPECT_EQ(ViewColumn(results, "nevkod"), (std::vector<std::string>{"2", "1", "3"}));
}

TEST(TableStore, NewVersionTakesThePlaceOfTheOldOneAcrossReloads) {
  TableStore players(PlayerFields());
  players.CreateDataSet();
  AppendPlayer(players, 1, "Anna");
  AppendPlayer(players, 2, "Béla");
  AppendPlayer(players, 3, "Cili");
  players.First();
  players.Next();
  players.Edit();
  players.FieldByName("JELSZO").SetAsString("titok");
  players.Post();
  EXPECT_EQ(players.RecNo(), 2);
  EXPECT_EQ(ViewColumn(players, "nev"), (std::vector<std::string>{"Anna", "Béla", "Cili"}));
  AppendPlayer(players, 4, "Dani");

  TableStore reloaded(PlayerFields());
  reloaded.LoadFromBytes(players.SaveToBytes(), "jatekosok.xml");
  EXPECT_EQ(ViewColumn(reloaded, "nev"),
            (std::vector<std::string>{"Anna", "Béla", "Cili", "Dani"}));
  EXPECT_EQ(reloaded.ChangeLog(),
            (std::vector<uint32_t>{1, 0, 4, 2, 0, 4, 3, 0, 4, 4, 2, 8, 5, 0, 4}));
  EXPECT_EQ(States(reloaded), (std::vector<int>{4, 1, 4, 8, 4}));
}

TEST(TableStore, RecordsChangedAgainLeaveTheViewAndReloadAlike) {
  TableStore players(PlayerFields());
  players.CreateDataSet();
  AppendPlayer(players, 1, "Anna");  // record 1, state 4
  AppendPlayer(players, 2, "Béla");  // record 2, state 4
  players.First();
  players.Edit();  // an inserted record changed: 1 superseded, 3 its new version
  players.FieldByName("SZINT").SetAsInteger(2);
  players.Post();
  players.Edit();  // a modified record changed again: 3 superseded, 4 the newest
  players.FieldByName("SZINT").SetAsInteger(3);
  players.Post();
  players.Next();
  players.Delete();  // an inserted record deleted
  players.First();
  players.Delete();  // a modified record deleted
  AppendPlayer(players, 5, "Ede");

  const std::vector<uint32_t> log = {1, 0, 4, 2, 0, 4, 3, 1, 8, 4, 3, 8, 2, 0, 2, 4, 0, 2, 5, 0, 4};
  EXPECT_EQ(players.ChangeLog(), log);
  EXPECT_EQ(States(players), (std::vector<int>{1, 2, 1, 2, 4}));
  EXPECT_EQ(ViewColumn(players, "nev"), (std::vector<std::string>{"Ede"}));

  TableStore reloaded(PlayerFields());
  reloaded.LoadFromBytes(players.SaveToBytes(), "jatekosok.xml");
  EXPECT_EQ(reloaded.ChangeLog(), log);
  EXPECT_EQ(States(reloaded), (std::vector<int>{1, 2, 1, 2, 4}));
  EXPECT_EQ(ViewColumn(reloaded, "nev"), (std::vector<std::string>{"Ede"}));
  AppendPlayer(reloaded, 6, "Feri");  // the log goes on growing after a reload
  EXPECT_EQ(reloaded.ChangeLog().size(), log.size() + 3);
  EXPECT_EQ(reloaded.ChangeLog().back(), 4u);
  EXPECT_EQ(reloaded.ChangeLog()[log.size()], 6u);
}

TEST(TableStore, EditingRules) {
  TableStore players(PlayerFields());
  players.CreateDataSet();
  EXPECT_THROW(players.Edit(), Error);  // nothing to edit
  EXPECT_THROW(players.Delete(), Error);
  EXPECT_THROW(players.Post(), Error);
  AppendPlayer(players, 1, "Anna");
  EXPECT_THROW(players.FieldByName("nev").SetAsString("x"), Error);  // browse state
  EXPECT_THROW(players.FieldByName("nincs"), Error);

  players.Edit();  // an edit that sets nothing stores and logs nothing
  players.Post();
  EXPECT_EQ(players.StoredRecordCount(), 1);

  players.Append();  // deleting an appended record drops it unposted
  players.FieldByName("nev").SetAsString("Béla");
  players.Delete();
  EXPECT_FALSE(players.Editing());
  EXPECT_EQ(players.StoredRecordCount(), 1);

  // Navigation and filtering post a pending edit.
  players.Edit();
  players.FieldByName("jelszo").SetAsString("uj");
  players.First();
  EXPECT_FALSE(players.Editing());
  EXPECT_EQ(players.FieldByName("jelszo").AsString(), "uj");
  players.Edit();
  players.FieldByName("jelszo").SetAsString("ujabb");
  players.SetFiltered(false);
  EXPECT_EQ(players.ChangeLog().size(), 9u);
}

// A refused value, or a field that does not exist, drops the record being filled: nothing that
// follows (navigation, filtering, saving) may post it half done.
TEST(TableStore, FailedWritesDropThePendingRecord) {
  TableStore players(PlayerFields());
  players.CreateDataSet();
  AppendPlayer(players, 1, "Anna");
  const std::string saved = players.SaveToBytes();
  const std::vector<uint32_t> log = players.ChangeLog();

  const std::function<void(TableStore&)> failures[] = {
      [](TableStore& t) { t.FieldByName("nev").SetAsString("\xF0\x9F\x98\x80"); },  // no cp1250
      [](TableStore& t) { t.FieldByName("kod").SetAsString("tizenkettő"); },
      [](TableStore& t) { t.FieldByName("nev").SetAsDateTime(1.0); },
      [](TableStore& t) { t.FieldByName("nincs"); },
  };
  for (const auto& fail : failures) {
    for (const bool append : {true, false}) {
      SCOPED_TRACE(append ? "append" : "edit");
      players.First();
      append ? players.Append() : players.Edit();
      players.FieldByName("jelszo").SetAsString("félkész");
      EXPECT_THROW(fail(players), Error);
      EXPECT_FALSE(players.Editing());
      players.First();
      players.SetFiltered(true);
      EXPECT_EQ(players.RecordCount(), 1);
      EXPECT_EQ(players.FieldByName("jelszo").AsString(), "");
      EXPECT_EQ(players.ChangeLog(), log);
      EXPECT_EQ(players.SaveToBytes(), saved);
    }
  }
}

TEST(TableStore, DeleteMovesToTheFollowingRecord) {
  TableStore results(ResultFields());
  results.CreateDataSet();
  for (int player : {1, 2, 1, 3, 1}) AppendResult(results, player, 10001, player * 10);
  results.First();
  results.Next();
  results.Delete();  // player 2 goes; the cursor moves to the next record
  EXPECT_EQ(results.FieldByName("nevkod").AsInteger(), 1);
  EXPECT_EQ(results.RecNo(), 2);
  while (!results.Eof()) results.Next();
  results.Delete();  // the last one goes; the cursor moves to the new last
  EXPECT_EQ(results.FieldByName("nevkod").AsInteger(), 3);
  EXPECT_FALSE(results.Eof());

  // Deleting every match of a filter, each time the current record.
  results.SetFilter("NEVKOD=1");
  results.SetFiltered(true);
  for (int count = results.RecordCount(); count > 0; --count) results.Delete();
  EXPECT_EQ(results.RecordCount(), 0);
  EXPECT_TRUE(results.Eof());
  results.SetFiltered(false);
  EXPECT_EQ(ViewColumn(results, "nevkod"), (std::vector<std::string>{"3"}));
}

// Deleting a whole view at once leaves the same records, log and file as deleting its first
// record until none is left, for views ordered by an index and holding earlier edits.
TEST(TableStore, DeletingTheViewAtOnceIsDeletingItsFirstRecordUntilEmpty) {
  uint32_t seed = 7;
  const auto next = [&seed](uint32_t range) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % range;
  };
  for (const char* index : {"", "ido", "jatekkod;ido"}) {
    TableStore at_once(ResultFields());
    at_once.CreateDataSet();
    for (int row = 0; row < 300; ++row) {
      AppendResult(at_once, 1 + int(next(4)), 10001 + int(next(20)), int(next(50)));
    }
    at_once.SetFilter("nevkod=2");
    at_once.SetFiltered(true);
    for (int edit = 0; edit < 20 && at_once.RecordCount() > 0; ++edit) {
      at_once.First();
      for (uint32_t step = next(uint32_t(at_once.RecordCount())); step > 0; --step) at_once.Next();
      at_once.Edit();
      at_once.FieldByName("ido").SetAsInteger(int(next(50)));
      at_once.Post();
    }
    at_once.SetFiltered(false);
    at_once.SetIndexFieldNames(index);
    at_once.SetFilter("nevkod=3");
    at_once.SetFiltered(true);
    TableStore one_by_one(ResultFields());
    one_by_one.LoadFromBytes(at_once.SaveToBytes(), "eredmenyek.xml");
    one_by_one.SetIndexFieldNames(index);
    one_by_one.SetFilter("nevkod=3");
    one_by_one.SetFiltered(true);

    at_once.DeleteView();
    while (one_by_one.RecordCount() > 0) {
      one_by_one.First();
      one_by_one.Delete();
    }
    EXPECT_EQ(at_once.RecordCount(), 0) << index;
    EXPECT_TRUE(at_once.Eof());
    EXPECT_EQ(at_once.ChangeLog(), one_by_one.ChangeLog()) << index;
    EXPECT_EQ(at_once.SaveToBytes(), one_by_one.SaveToBytes()) << index;
    at_once.SetFiltered(false);
    one_by_one.SetFiltered(false);
    EXPECT_EQ(ViewColumn(at_once, "ido"), ViewColumn(one_by_one, "ido")) << index;
    EXPECT_EQ(ViewColumn(at_once, "nevkod"), ViewColumn(one_by_one, "nevkod")) << index;
  }
}

TEST(TableStore, FieldConversions) {
  TableStore players(PlayerFields());
  players.CreateDataSet();
  players.Append();
  auto name = players.FieldByName("nev");
  auto key = players.FieldByName("kod");
  name.SetAsString("Árvíztűrő tükörfúrógép");  // 22 characters, kept to the width of 15
  EXPECT_EQ(name.AsString(), "Árvíztűrő tükör");
  key.SetAsString("-42");
  EXPECT_EQ(key.AsInteger(), -42);
  EXPECT_EQ(key.AsString(), "-42");
  for (const char* refused : {"12a", "", "99999999999"}) {
    EXPECT_THROW(key.SetAsString(refused), Error);
    EXPECT_FALSE(players.Editing()) << refused;  // the refusal drops the record
    players.Append();
  }
  name.SetAsInteger(17);
  EXPECT_EQ(name.AsInteger(), 17);
  name.SetAsString("abc");
  EXPECT_THROW(name.AsInteger(), Error);
  name.Clear();
  EXPECT_TRUE(name.IsNull());
  EXPECT_EQ(name.AsInteger(), 0);
  EXPECT_FALSE(name.AsBoolean());
  players.Post();

  TableStore last(LastGameFields());
  last.CreateDataSet();
  last.Append();
  last.FieldByName("teljes").SetAsString("true");
  EXPECT_TRUE(last.FieldByName("teljes").AsBoolean());
  EXPECT_EQ(last.FieldByName("teljes").AsString(), "TRUE");
  EXPECT_THROW(last.FieldByName("teljes").SetAsInteger(1), Error);
  EXPECT_THROW(last.FieldByName("nevkod").SetAsDateTime(1), Error);
}

TEST(TableStore, ListenerHearsChangesOnceWhileControlsAreDisabled) {
  TableStore summary({StringField("Nehezseg", 10), IntegerField("Sorszam")});
  int calls = 0;
  summary.SetChangeListener([&] { ++calls; });
  summary.CreateDataSet();
  EXPECT_EQ(calls, 1);
  summary.DisableControls();
  for (int i = 1; i <= 3; ++i) {
    summary.Append();
    summary.FieldByName("SORSZAM").SetAsInteger(i);
    summary.Post();
  }
  summary.First();
  EXPECT_EQ(calls, 1);
  summary.EnableControls();
  EXPECT_EQ(calls, 2);
  summary.EmptyDataSet();
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(summary.RecordCount(), 0);
  EXPECT_TRUE(summary.ChangeLog().empty());
}

}  // namespace
}  // namespace kvadrix::tables::testing
