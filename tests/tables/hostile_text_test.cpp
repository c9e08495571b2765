// Text a player may type, with every character the file format or the filter grammar treats
// specially: it is stored as it was typed and found again by its quoted form after the table went
// through its file, or it is refused with a message and nothing is stored.
#include <gtest/gtest.h>

#include "common/error.h"
#include "support/table_test_support.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {
namespace {

const char kNotStorable[] =
    "A(z) \"nev\" mezőbe írt szöveg olyan karaktert tartalmaz, amelyet a táblafájl nem tud "
    "tárolni.";

struct Typed {
  std::string name;
  std::string password;
  bool storable = true;
};

std::string Refusal(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

TEST(HostileText, NamesAndPasswordsRoundTripOrAreRefused) {
  const std::vector<Typed> typed = {
      {"O'Brien", "'\"&<>\\*"},
      {"'", "''"},
      {"''", "'"},
      {"\"Idéző\"", "\""},
      {"A&B", "&amp;"},            // text that looks like an escape stays text
      {"&amp;&#092;", "&#x151;"},  // in the file: "&amp;amp;&amp;#092;"
      {"<b>x</b>", "<!--"},
      {"back\\slash", "\\\\"},
      {"a*b", "*"},                  // a star inside a name is an ordinary character
      {"*", "**"},                   // and so is a name of one star
      {"őűŐŰ", "ŐŰőű€ˇ˘˝ÁÉ"},        // ten characters in 21 bytes of UTF-8
      {"Árvíztűrőt", "1234567890"},  // exactly ten characters
      {" sp ace ", " "},
      {"x and y", "and"},
      {"NEV='x'", "NEV="},
      {"x' and KOD='1", "' or ''='"},
      {"€‚„…†‡‰Š‹", "ß×÷"},
      {"", ""},
      // Outside code page 1250: refused where it is typed.
      {"Muñoz", "", false},
      {"Jõe", "", false},
      {"Жанна", "", false},
      {"Anna😀", "", false},
      {std::string("a\0b", 3), "", false},  // no XML file can hold a NUL
      {"\x01", "", false},
      {"\xED\xA0\x80", "", false},  // a UTF-16 surrogate in UTF-8
      {"\xC0\xAF", "", false},      // an overlong "/"
      {"\xFF", "", false},
      {"\xC2\x81", "", false},  // U+0081: its byte is one code page 1250 leaves unassigned
  };
  TempFolder dir;
  TableStore players(PlayerFields());
  players.CreateDataSet();
  int key = 0;
  for (const Typed& t : typed) {
    players.Append();
    players.FieldByName("kod").SetAsInteger(++key);
    players.FieldByName("nev").SetAsString("Előző");
    const std::string refusal = Refusal([&] { players.FieldByName("nev").SetAsString(t.name); });
    EXPECT_EQ(refusal, t.storable ? "" : kNotStorable) << t.name;
    if (!t.storable) {
      // The refusal dropped the record; it is filled again without the refused name.
      EXPECT_FALSE(players.Editing()) << t.name;
      players.Append();
      players.FieldByName("kod").SetAsInteger(key);
      players.FieldByName("nev").SetAsString("Előző");
    }
    EXPECT_EQ(players.FieldByName("nev").AsString(), t.storable ? t.name : "Előző") << t.name;
    players.FieldByName("jelszo").SetAsString(t.password);
    players.Post();
  }
  players.SaveToFile(dir / "jatekosok.xml");

  TableStore reloaded(PlayerFields());
  reloaded.LoadFromFile(dir / "jatekosok.xml");
  key = 0;
  for (const Typed& t : typed) {
    ++key;
    if (!t.storable) continue;
    for (const char* lookup : {"NEV=", "NEV ="}) {
      reloaded.SetFilter(lookup + QuoteFilterString(t.name));
      reloaded.SetFiltered(true);
      ASSERT_EQ(reloaded.RecordCount(), 1) << lookup << t.name;
      EXPECT_EQ(reloaded.FieldByName("kod").AsInteger(), key) << t.name;
      EXPECT_EQ(reloaded.FieldByName("nev").AsString(), t.name);
      EXPECT_EQ(reloaded.FieldByName("jelszo").AsString(), t.password) << t.name;
      EXPECT_FALSE(reloaded.FieldByName("nev").IsNull()) << t.name;
    }
  }
  reloaded.SetFiltered(false);
  EXPECT_EQ(reloaded.RecordCount(), static_cast<int>(typed.size()));
  EXPECT_EQ(reloaded.SaveToBytes(), ReadBytes(dir / "jatekosok.xml"));
}

TEST(HostileText, TextInNumberFieldsIsTakenOnlyAsAWholeNumber) {
  struct Case {
    const char* field;
    std::string text;
    std::string stored;  // the value read back; empty: refused, and 42 stored instead
    std::string refusal;
  };
  const std::string not_integer = " nem érvényes egész szám.";
  const std::vector<Case> cases = {
      {"kod", "007", "7", ""},
      {"kod", "-2147483648", "-2147483648", ""},
      {"kod", "2147483648", "",
       "A(z) \"kod\" mező értéke (2147483648) nem fér el egy 32 bites egész számban."},
      {"kod", "99999999999999999999", "", "\"99999999999999999999\"" + not_integer},
      {"kod", " 12", "", "\" 12\"" + not_integer},
      {"kod", "12 ", "", "\"12 \"" + not_integer},
      {"kod", "+5", "", "\"+5\"" + not_integer},
      {"kod", "0x1F", "", "\"0x1F\"" + not_integer},
      {"kod", "1e3", "", "\"1e3\"" + not_integer},
      {"kod", "–5", "", "\"–5\"" + not_integer},  // a dash typed for the minus
      {"kod", "5.", "", "\"5.\"" + not_integer},
      {"kod", "-", "", "\"-\"" + not_integer},
      {"szint", "O'1", "", "\"O'1\"" + not_integer},
      {"szin", "&#49;", "", "\"&#49;\"" + not_integer},
  };
  const std::vector<FieldDef> fields = {IntegerField("kod"), StringField("nev", 30),
                                        IntegerField("szin"), IntegerField("szint")};
  TempFolder dir;
  TableStore players(fields);
  players.CreateDataSet();
  for (const Case& c : cases) {
    players.Append();
    players.FieldByName(c.field).SetAsInteger(42);
    EXPECT_EQ(Refusal([&] { players.FieldByName(c.field).SetAsString(c.text); }), c.refusal)
        << c.text;
    if (!c.refusal.empty()) {
      // The refusal dropped the record; it is filled again without the refused number.
      EXPECT_FALSE(players.Editing()) << c.text;
      players.Append();
      players.FieldByName(c.field).SetAsInteger(42);
    }
    players.FieldByName("nev").SetAsString(c.text);  // the same text in a string field is fine
    players.Post();
  }
  players.SaveToFile(dir / "jatekosok.xml");
  TableStore reloaded(fields);
  reloaded.LoadFromFile(dir / "jatekosok.xml");
  for (const Case& c : cases) {
    const std::string stored = c.stored.empty() ? "42" : c.stored;
    reloaded.SetFilter(std::string("NEV=") + QuoteFilterString(c.text));
    reloaded.SetFiltered(true);
    ASSERT_EQ(reloaded.RecordCount(), 1) << c.text;
    EXPECT_EQ(reloaded.FieldByName(c.field).AsString(), stored) << c.text;
    // The number can be looked up as a number, and a quoted one compares as a number too.
    reloaded.SetFilter(std::string(c.field) + "=" + stored +
                       " and NEV=" + QuoteFilterString(c.text));
    EXPECT_EQ(reloaded.RecordCount(), 1) << c.text;
    reloaded.SetFilter(std::string(c.field) + "='" + stored +
                       "' and NEV=" + QuoteFilterString(c.text));
    EXPECT_EQ(reloaded.RecordCount(), 1) << c.text;
    // A number field never matches text in a filter: the filter is refused and stays as it was.
    if (c.stored.empty() && c.refusal.find("32 bites") == std::string::npos) {
      EXPECT_THROW(reloaded.SetFilter(std::string(c.field) + "=" + QuoteFilterString(c.text)),
                   Error)
          << c.text;
      EXPECT_EQ(reloaded.RecordCount(), 1) << c.text;
    }
  }
}

}  // namespace
}  // namespace kvadrix::tables::testing
