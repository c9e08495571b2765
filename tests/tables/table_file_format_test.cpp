// The table file byte for byte: what the writer produces and what the reader accepts.
#include <gtest/gtest.h>

#include "common/day_count.h"
#include "common/error.h"
#include "support/table_test_support.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {
namespace {

const std::string kResultRow = "nevkod=\"1\" jatekkod=\"10005\" datum=\"20061207\" ido=\"31250\"/>";

TEST(TableFileFormat, FreshTableAndOneAppendedResult) {
  TempFolder dir;
  TableStore results(ResultFields());
  results.CreateDataSet();
  EXPECT_TRUE(results.Eof());
  results.SaveToFile(dir / "eredmenyek.xml");
  EXPECT_EQ(ReadBytes(dir / "eredmenyek.xml"), ResultFile("<PARAMS/>", ""));

  AppendResult(results, 1, 10005, 31250);
  results.SaveToFile(dir / "eredmenyek.xml");
  EXPECT_EQ(ReadBytes(dir / "eredmenyek.xml"),
            "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA>"
            "<FIELDS><FIELD attrname=\"nevkod\" fieldtype=\"i4\"/><FIELD attrname=\"jatekkod\" "
            "fieldtype=\"i4\"/><FIELD attrname=\"datum\" fieldtype=\"date\"/><FIELD "
            "attrname=\"ido\" fieldtype=\"i4\"/></FIELDS><PARAMS CHANGE_LOG=\"1 0 4\"/></METADATA>"
            "<ROWDATA><ROW RowState=\"4\" nevkod=\"1\" jatekkod=\"10005\" datum=\"20061207\" "
            "ido=\"31250\"/></ROWDATA></DATAPACKET>");
}

TEST(TableFileFormat, EditSupersedesAndDeleteKeepsTheRecord) {
  TempFolder dir;
  const std::string loaded = ResultFile("<PARAMS/>", "<ROW " + kResultRow);

  TableStore edited(ResultFields());
  edited.LoadFromBytes(loaded, "eredmenyek.xml");
  edited.Edit();
  edited.FieldByName("ido").SetAsInteger(900);
  edited.Post();
  EXPECT_EQ(edited.RecordCount(), 1);
  edited.SaveToFile(dir / "edited.xml");
  EXPECT_EQ(ReadBytes(dir / "edited.xml"),
            ResultFile("<PARAMS CHANGE_LOG=\"2 1 8\"/>",
                       "<ROW RowState=\"1\" " + kResultRow +
                           "<ROW RowState=\"8\" nevkod=\"1\" jatekkod=\"10005\" "
                           "datum=\"20061207\" ido=\"900\"/>"));

  TableStore deleted(ResultFields());
  deleted.LoadFromBytes(loaded, "eredmenyek.xml");
  deleted.Delete();
  EXPECT_EQ(deleted.RecordCount(), 0);
  deleted.SaveToFile(dir / "deleted.xml");
  EXPECT_EQ(ReadBytes(dir / "deleted.xml"),
            ResultFile("<PARAMS CHANGE_LOG=\"1 0 2\"/>", "<ROW RowState=\"2\" " + kResultRow));
  deleted.LoadFromFile(dir / "deleted.xml");
  EXPECT_EQ(deleted.RecordCount(), 0);
  EXPECT_EQ(deleted.StoredRecordCount(), 1);
  EXPECT_TRUE(deleted.Eof());
}

TEST(TableFileFormat, EscapesAndCodePage1250) {
  TempFolder dir;
  TableStore players(PlayerFields());
  players.CreateDataSet();
  players.Append();
  players.FieldByName("KOD").SetAsInteger(-7);
  players.FieldByName("NEV").SetAsString("<&>'\"\\");
  players.FieldByName("JELSZO").SetAsString("a\r\nb\tc");
  players.Append();  // posts the first record
  players.FieldByName("NEV").SetAsString("Könnyű őűŐŰ");
  players.SaveToFile(dir / "jatekosok.xml");

  const std::string expected =
      std::string(kDeclaration) +
      "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS><FIELD attrname=\"kod\" fieldtype=\"i4\"/>"
      "<FIELD attrname=\"nev\" fieldtype=\"string\" WIDTH=\"15\"/><FIELD attrname=\"jelszo\" "
      "fieldtype=\"string\" WIDTH=\"10\"/><FIELD attrname=\"szin\" fieldtype=\"i4\"/><FIELD "
      "attrname=\"szint\" fieldtype=\"i4\"/></FIELDS><PARAMS CHANGE_LOG=\"1 0 4 2 0 4\"/>"
      "</METADATA><ROWDATA><ROW RowState=\"4\" kod=\"-7\" "
      "nev=\"&lt;&amp;&gt;&apos;&quot;&#092;\" jelszo=\"a&#013;&#010;b&#009;c\"/>"
      "<ROW RowState=\"4\" nev=\"K\xF6nny\xFB \xF5\xFB\xD5\xDB\"/></ROWDATA></DATAPACKET>";
  EXPECT_EQ(ReadBytes(dir / "jatekosok.xml"), expected);

  TableStore reloaded(PlayerFields());
  reloaded.LoadFromFile(dir / "jatekosok.xml");
  EXPECT_EQ(ViewColumn(reloaded, "nev"), (std::vector<std::string>{"<&>'\"\\", "Könnyű őűŐŰ"}));
  reloaded.First();
  EXPECT_EQ(reloaded.FieldByName("jelszo").AsString(), "a\r\nb\tc");
  EXPECT_EQ(reloaded.FieldByName("kod").AsInteger(), -7);
  EXPECT_EQ(reloaded.SaveToBytes(), expected);
}

TEST(TableFileFormat, NullsBooleansAndDates) {
  TableStore last(LastGameFields());
  last.CreateDataSet();
  last.Append();
  last.FieldByName("nevkod").SetAsInteger(5);
  last.FieldByName("teljes").SetAsBoolean(true);
  last.Post();
  last.Append();
  last.FieldByName("nevkod").SetAsInteger(6);
  last.FieldByName("teljes").SetAsBoolean(false);
  last.FieldByName("mezok").SetAsString("");
  last.Post();
  const std::string bytes = last.SaveToBytes();
  EXPECT_NE(bytes.find("<ROW RowState=\"4\" nevkod=\"5\" teljes=\"TRUE\"/>"), std::string::npos);
  EXPECT_NE(bytes.find("<ROW RowState=\"4\" nevkod=\"6\" teljes=\"FALSE\" mezok=\"\"/>"),
            std::string::npos);

  TableStore reloaded(LastGameFields());
  reloaded.LoadFromBytes(bytes, "utolso.xml");
  EXPECT_TRUE(reloaded.FieldByName("mezok").IsNull());
  EXPECT_EQ(reloaded.FieldByName("mezok").AsString(), "");
  EXPECT_EQ(reloaded.FieldByName("felbe").AsInteger(), 0);
  EXPECT_TRUE(reloaded.FieldByName("teljes").AsBoolean());
  reloaded.Next();
  EXPECT_FALSE(reloaded.FieldByName("mezok").IsNull());
  EXPECT_FALSE(reloaded.FieldByName("teljes").AsBoolean());

  // A Date keeps the calendar day of the value rounded to the millisecond.
  TableStore results(ResultFields());
  results.CreateDataSet();
  const int day = DaysFromCivil({2006, 12, 7});
  const auto date_text = [&](double day_count) {
    results.Append();
    results.FieldByName("datum").SetAsDateTime(day_count);
    results.Post();
    const std::string saved = results.SaveToBytes();
    const size_t at = saved.rfind("datum=\"");
    return saved.substr(at + 7, 8);
  };
  EXPECT_EQ(date_text(day + 0.9999), "20061207");
  EXPECT_EQ(date_text(day + 1 - 0.4 / 86400000), "20061208");
  EXPECT_EQ(date_text(day - 0.25), "20061206");
  EXPECT_EQ(results.FieldByName("datum").AsDateTime(), day - 1);
  results.Append();
  EXPECT_THROW(results.FieldByName("datum").SetAsDateTime(1e12), Error);
}

TEST(TableFileFormat, ReaderAcceptsEveryFormAndWritesPropertiesBack) {
  // The UTF-8 form, character references in both bases, true/false spellings.
  TableStore last(LastGameFields());
  last.LoadFromBytes(
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><DATAPACKET Version=\"2.0\">"
      "<METADATA><FIELDS><FIELD attrname=\"nevkod\" fieldtype=\"I4\"/><FIELD attrname=\"jatekkod\""
      " fieldtype=\"i4\"/><FIELD attrname=\"teljes\" fieldtype=\"Boolean\"/><FIELD "
      "attrname=\"felbe\" fieldtype=\"i4\"/><FIELD attrname=\"mezok\" fieldtype=\"string\" "
      "WIDTH=\"20\"/></FIELDS><PARAMS/></METADATA><ROWDATA><ROW nevkod=\"1\" teljes=\"true\" "
      "mezok=\"Ő&#013;&#x0A;&#92;&#x151;\"/><ROW nevkod=\"2\" teljes=\"f\"/></ROWDATA>"
      "</DATAPACKET>",
      "utolso.xml");
  EXPECT_EQ(last.FieldByName("mezok").AsString(), "Ő\r\n\\ő");
  EXPECT_TRUE(last.FieldByName("teljes").AsBoolean());
  last.Next();
  EXPECT_FALSE(last.FieldByName("teljes").AsBoolean());

  // A library with every read-only kind, a fieldname/attrname pair and properties both ways:
  // written back byte for byte.
  const std::string library =
      std::string(kDeclaration) +
      "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS><FIELD attrname=\"ID\" fieldtype=\"i4\" "
      "required=\"true\"/><FIELD attrname=\"Nehezseg\" fieldtype=\"string\" WIDTH=\"1\"/>"
      "<FIELD fieldname=\"Sor szam\" attrname=\"Sor_szam\" fieldtype=\"i2\"/><FIELD "
      "attrname=\"Ar\" fieldtype=\"r8\"/><FIELD attrname=\"Ido\" fieldtype=\"dateTime\"/><FIELD "
      "attrname=\"Nagy\" fieldtype=\"i8\"/><FIELD attrname=\"Kod\" fieldtype=\"bin.hex\" "
      "SUBTYPE=\"Binary\" WIDTH=\"4\"/><FIELD attrname=\"Pontos\" fieldtype=\"fixed\" "
      "DECIMALS=\"2\" WIDTH=\"10\"/><FIELD attrname=\"Uni\" fieldtype=\"string.uni\" "
      "WIDTH=\"20\"/></FIELDS><PARAMS DEFAULT_ORDER=\"1\" PRIMARY_KEY=\"1\" LCID=\"1038\">"
      "<PARAM Name=\"FOO\" Value=\"1 2\" Type=\"i4\" Roundtrip=\"True\"/></PARAMS></METADATA>"
      "<ROWDATA><ROW ID=\"10001\" Nehezseg=\"E\" Sor_szam=\"1\" Ar=\"1.5E3\" "
      "Ido=\"20061207T10:20:30500\" Nagy=\"8000000000\" Kod=\"0aFF\" Pontos=\"12.50\" "
      "Uni=\"\xE1rv\xEDzt\xFBr\xF5\"/></ROWDATA></DATAPACKET>";
  TableStore puzzles;
  puzzles.LoadFromBytes(library, "sudoku.xml");
  EXPECT_EQ(puzzles.FieldByName("sor szam").AsInteger(), 1);
  EXPECT_EQ(puzzles.FieldByName("Sor szam").AsString(), "1");
  EXPECT_EQ(puzzles.FieldByName("Ido").AsString(), "20061207T10:20:30500");
  EXPECT_EQ(puzzles.FieldByName("nagy").AsString(), "8000000000");
  EXPECT_THROW(puzzles.FieldByName("nagy").AsInteger(), Error);
  EXPECT_EQ(puzzles.FieldByName("uni").AsString(), "árvíztűrő");
  EXPECT_EQ(puzzles.SaveToBytes(), library);
  puzzles.Edit();
  EXPECT_THROW(puzzles.FieldByName("Ar").SetAsString("2"), Error);
  EXPECT_THROW(puzzles.FieldByName("Nagy").SetAsInteger(2), Error);

  // Properties given before the fields are kept all the same.
  TableStore early(ResultFields());
  early.LoadFromBytes(std::string(kDeclaration) +
                          "<DATAPACKET><METADATA><PARAMS CHANGE_LOG=\"1 0 4\"/><FIELDS>" +
                          kResultFieldsXml + "</FIELDS></METADATA><ROWDATA><ROW RowState=\"4\" " +
                          kResultRow + "</ROWDATA></DATAPACKET>",
                      "eredmenyek.xml");
  EXPECT_EQ(early.ChangeLog(), (std::vector<uint32_t>{1, 0, 4}));

  // A log that stood between other properties keeps its place as it grows.
  TableStore results(ResultFields());
  results.LoadFromBytes(
      ResultFile("<PARAMS DEFAULT_ORDER=\"1\" CHANGE_LOG=\"1 0 4\" LCID=\"1038\"/>",
                 "<ROW RowState=\"4\" " + kResultRow),
      "eredmenyek.xml");
  AppendResult(results, 2, 10006, 5);
  EXPECT_NE(results.SaveToBytes().find(
                "<PARAMS DEFAULT_ORDER=\"1\" CHANGE_LOG=\"1 0 4 2 0 4\" LCID=\"1038\"/>"),
            std::string::npos);
}

TEST(TableFileFormat, TextTheFileCannotHoldIsRefused) {
  EXPECT_TRUE(FitsCodePage1250("Könnyű őű €"));
  EXPECT_FALSE(FitsCodePage1250("smile \xF0\x9F\x98\x80"));
  EXPECT_FALSE(FitsCodePage1250("\xC3"));  // cut UTF-8

  TableStore players(PlayerFields());
  players.CreateDataSet();
  players.Append();
  EXPECT_THROW(players.FieldByName("nev").SetAsString("Zoë \xE2\x9C\x93"), Error);
  EXPECT_THROW(players.FieldByName("nev").SetAsString("bell\a"), Error);
  EXPECT_TRUE(players.FieldByName("nev").IsNull());

  // A UTF-8 file may hold what code page 1250 cannot: saving it is an error, not a loss.
  TableStore wide(PlayerFields());
  const std::string utf8_file =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><DATAPACKET Version=\"2.0\">"
      "<METADATA><FIELDS><FIELD attrname=\"kod\" fieldtype=\"i4\"/><FIELD attrname=\"nev\" "
      "fieldtype=\"string\" WIDTH=\"15\"/><FIELD attrname=\"jelszo\" fieldtype=\"string\" "
      "WIDTH=\"10\"/><FIELD attrname=\"szin\" fieldtype=\"i4\"/><FIELD attrname=\"szint\" "
      "fieldtype=\"i4\"/></FIELDS><PARAMS/></METADATA><ROWDATA><ROW nev=\"\xE2\x9C\x93\"/>"
      "</ROWDATA></DATAPACKET>";
  wide.LoadFromBytes(utf8_file, "jatekosok.xml");
  EXPECT_EQ(wide.FieldByName("nev").AsString(), "\xE2\x9C\x93");
  try {
    wide.SaveToBytes();
    ADD_FAILURE() << "saved a character code page 1250 lacks";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("\"nev\""), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace kvadrix::tables::testing
