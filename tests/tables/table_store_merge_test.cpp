// Accepting the change log: what stays, in which order, and what the file then shows.
#include <gtest/gtest.h>

#include "common/error.h"
#include "support/table_test_support.h"
#include "tables/table_store.h"

namespace kvadrix::tables {
namespace {

TEST(TableStoreMergeTest, KeepsVisibleRecordsAsUnchangedAndDropsTheLog) {
  TableStore store({IntegerField("kod"), StringField("nev", 15)});
  EXPECT_THROW(store.MergeChangeLog(), Error);  // not open
  store.CreateDataSet();
  for (int kod : {1, 2, 3}) {
    store.Append();
    store.FieldByName("kod").SetAsInteger(kod);
    store.FieldByName("nev").SetAsString("n" + std::to_string(kod));
    store.Post();
  }
  store.First();
  store.Edit();
  store.FieldByName("nev").SetAsString("új");
  store.Post();
  store.SetFilter("KOD=2");
  store.SetFiltered(true);
  store.Delete();
  store.SetFiltered(false);
  store.Append();  // pending: posted by the merge
  store.FieldByName("kod").SetAsInteger(4);

  store.MergeChangeLog();
  EXPECT_TRUE(store.ChangeLog().empty());
  ASSERT_EQ(store.StoredRecordCount(), 3);
  for (int record = 1; record <= 3; ++record) EXPECT_EQ(store.StoredRecordState(record), 0);
  EXPECT_EQ(store.SaveToBytes(),
            "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA>"
            "<FIELDS><FIELD attrname=\"kod\" fieldtype=\"i4\"/><FIELD attrname=\"nev\" "
            "fieldtype=\"string\" WIDTH=\"15\"/></FIELDS><PARAMS/></METADATA><ROWDATA>"
            "<ROW kod=\"3\" nev=\"n3\"/><ROW kod=\"1\" nev=\"\xfaj\"/><ROW kod=\"4\"/>"
            "</ROWDATA></DATAPACKET>");
  // The merged table goes on logging from a clean start.
  store.Append();
  store.FieldByName("kod").SetAsInteger(5);
  store.Post();
  EXPECT_EQ(store.ChangeLog(), (std::vector<uint32_t>{4, 0, 4}));
}

}  // namespace
}  // namespace kvadrix::tables
