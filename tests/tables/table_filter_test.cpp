// Filter expressions: the grammar, the comparisons and what setting a filter does to the view.
#include <gtest/gtest.h>

#include "common/error.h"
#include "support/table_test_support.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {
namespace {

TableStore NamesTable(const std::vector<std::string>& names) {
  TableStore table({IntegerField("kod"), StringField("nev", 300)});
  table.CreateDataSet();
  int key = 0;
  for (const std::string& name : names) {
    table.Append();
    table.FieldByName("kod").SetAsInteger(++key);
    table.FieldByName("nev").SetAsString(name);
    table.Post();
  }
  return table;
}

int CountWith(TableStore& table, const std::string& filter) {
  table.SetFilter(filter);
  table.SetFiltered(true);
  return table.RecordCount();
}

TEST(TableFilter, NumericComparisonsJoinedByAnd) {
  TableStore results(ResultFields());
  results.CreateDataSet();
  AppendResult(results, 3, 10005, 1);
  AppendResult(results, 3, 10006, 2);
  AppendResult(results, 4, 10005, 3);
  AppendResult(results, 3, 10005, 4);
  results.Append();  // a record whose fields are all null
  results.Post();
  EXPECT_EQ(
      CountWith(results, "NEVKOD=" + std::to_string(3) + " and JATEKKOD=" + std::to_string(10005)),
      2);
  EXPECT_EQ(CountWith(results, "  nevkod =3   AND   jatekkod=   10005  "), 2);
  EXPECT_EQ(CountWith(results, "JATEKKOD<10006"), 3);  // the null record matches nothing
  EXPECT_EQ(CountWith(results, "IDO<-1"), 0);
  EXPECT_EQ(CountWith(results, "IDO=-0"), 0);
  EXPECT_EQ(CountWith(results, ""), 5);
  EXPECT_EQ(CountWith(results, "   "), 5);

  // Numbers compare as numbers: 9999 < 60001 although "9999" > "60001" as text.
  TableStore puzzles({IntegerField("ID"), StringField("Nehezseg", 1)});
  puzzles.CreateDataSet();
  for (int id : {9999, 10001, 59999, 60000, 60001, 70000}) {
    puzzles.Append();
    puzzles.FieldByName("id").SetAsInteger(id);
    puzzles.Post();
  }
  EXPECT_EQ(CountWith(puzzles, "ID<60001"), 4);
  puzzles.SetFiltered(false);
  EXPECT_EQ(puzzles.RecordCount(), 6);  // Filtered off counts every visible record
}

TEST(TableFilter, StringConstants) {
  TableStore table = NamesTable({"Kis", "kis", "Kiss", "Kuka", "O'Brien", "*", "Ki*", "a b"});
  EXPECT_EQ(CountWith(table, "NEV='Kis'"), 1);  // exact and case-sensitive
  EXPECT_EQ(CountWith(table, "NEV ='Kis'"), 1);
  EXPECT_EQ(CountWith(table, "NEV='O''Brien'"), 1);
  EXPECT_EQ(CountWith(table, "NEV=" + QuoteFilterString("O'Brien")), 1);
  EXPECT_EQ(CountWith(table, "NEV='a b'"), 1);
  EXPECT_EQ(CountWith(table, "NEV='Ki*'"), 3);   // prefix: Kis, Kiss and Ki* itself
  EXPECT_EQ(CountWith(table, "NEV='*'"), 1);     // one character: no prefix match
  EXPECT_EQ(CountWith(table, "NEV<'Kis'"), 2);   // "*" and "Ki*" sort before "Kis"
  EXPECT_EQ(CountWith(table, "NEV<'Kiz*'"), 4);  // "*", "Ki*", "Kis", "Kiss" by prefix
  EXPECT_EQ(CountWith(table, "NEV=''"), 0);
  EXPECT_EQ(CountWith(table, "KOD='3'"), 1);  // a quoted number still compares numerically

  // A constant is cut to 255 characters before the prefix rule applies.
  const std::string x255(255, 'x');
  TableStore long_names = NamesTable({x255, x255 + "x", std::string(254, 'x') + "y"});
  EXPECT_EQ(CountWith(long_names, "NEV='" + std::string(300, 'x') + "'"), 1);
  EXPECT_EQ(CountWith(long_names, "NEV='" + x255 + "*'"), 1);  // the "*" was cut off
  EXPECT_EQ(CountWith(long_names, "NEV='" + std::string(254, 'x') + "*'"), 3);
  std::string o255;  // 255 characters, 510 bytes: the cut counts characters
  for (int i = 0; i < 255; ++i) o255 += "ő";
  TableStore accented = NamesTable({o255, o255 + "ő"});
  EXPECT_EQ(CountWith(accented, "NEV='" + o255 + "őőő'"), 1);
}

TEST(TableFilter, MalformedFiltersAreErrorsAndChangeNothing) {
  TableStore table = NamesTable({"Anna", "Béla"});
  table.SetFilter("NEV='Anna'");
  table.SetFiltered(true);
  try {
    table.SetFilter("NEV='Anna");
    ADD_FAILURE() << "an unterminated string was taken";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Unterminated string constant");
  }
  for (const char* bad :
       {"NEVV='Anna'", "NEV", "NEV=", "NEV>'A'", "NEV<='A'", "NEV='A' or KOD=1", "NEV='A' KOD=1",
        "KOD=abc", "KOD='abc'", "KOD=3x", "KOD=3and NEV='A'", "=3", "NEV='A' and"}) {
    EXPECT_THROW(table.SetFilter(bad), Error) << bad;
    EXPECT_EQ(table.Filter(), "NEV='Anna'") << bad;
    EXPECT_EQ(table.RecordCount(), 1) << bad;
  }
}

TEST(TableFilter, SettingTheFilterMovesToTheFirstRecord) {
  TableStore table = NamesTable({"Anna", "Béla", "Cili"});
  table.SetFiltered(false);
  table.Next();
  table.Next();
  table.SetFiltered(false);  // unchanged, still back to the first record
  EXPECT_EQ(table.FieldByName("nev").AsString(), "Anna");

  table.SetFilter("KOD<3");  // Filtered off: the view does not change
  EXPECT_EQ(table.RecordCount(), 3);
  table.SetFiltered(true);
  table.Next();
  table.SetFilter("KOD<4");
  EXPECT_EQ(table.RecNo(), 1);
  EXPECT_EQ(table.RecordCount(), 3);

  // A record posted while filtered joins the view only when it matches.
  table.Append();
  table.FieldByName("kod").SetAsInteger(9);
  table.FieldByName("nev").SetAsString("Dani");
  table.Post();
  EXPECT_EQ(table.RecordCount(), 3);
  table.SetFilter("KOD=9");
  EXPECT_EQ(table.FieldByName("nev").AsString(), "Dani");

  // A store whose fields come from its file checks the field names when it loads.
  TableStore library;
  library.SetFilter("Nehezseg='E'");
  library.SetFiltered(true);
  const std::string file =
      std::string(kDeclaration) +
      "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS><FIELD attrname=\"ID\" fieldtype=\"i4\"/>"
      "<FIELD attrname=\"Nehezseg\" fieldtype=\"string\" WIDTH=\"1\"/></FIELDS><PARAMS/>"
      "</METADATA><ROWDATA><ROW ID=\"10001\" Nehezseg=\"E\"/><ROW ID=\"20001\" Nehezseg=\"A\"/>"
      "<ROW ID=\"10002\" Nehezseg=\"E\"/></ROWDATA></DATAPACKET>";
  library.LoadFromBytes(file, "sudoku.xml");
  EXPECT_EQ(library.RecordCount(), 2);
  TableStore closed;
  closed.SetFilter("Szint='E'");  // no fields to check against yet...
  EXPECT_THROW(closed.LoadFromBytes(file, "sudoku.xml"), Error);  // ...so the load fails
  EXPECT_FALSE(closed.Active());
}

}  // namespace
}  // namespace kvadrix::tables::testing
