// Files the store writes are read in pieces by the reader of the writer's own layout, to the same
// data the parser gives; a file differing from the writer's bytes in any way is left to the
// parser and loads exactly as the parser alone would load it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/error.h"
#include "support/table_test_support.h"
#include "tables/own_layout_reader.h"
#include "tables/table_data.h"
#include "tables/table_reader.h"
#include "tables/table_store.h"
#include "tables/table_writer.h"

namespace kvadrix::tables::testing {
namespace {

// A player table after edits, deletions and cleared hidden values, with text the file must
// escape, and enough players that the file spans many pieces of the reader.
std::vector<FieldDef> Fields() {
  std::vector<FieldDef> fields = PlayerFields();
  fields.push_back(BooleanField("aktiv"));
  fields.push_back(DateField("nap"));
  return fields;
}

std::string PlayerFileWithHistory(const std::filesystem::path& file, int extra_players) {
  TableStore players(Fields());
  players.CreateDataSet();
  const auto append = [&](int key, const std::string& name, const std::string& password) {
    players.Append();
    players.FieldByName("kod").SetAsInteger(key);
    players.FieldByName("nev").SetAsString(name);
    if (!password.empty()) players.FieldByName("jelszo").SetAsString(password);
    players.FieldByName("szint").SetAsInteger(-key);
    players.FieldByName("aktiv").SetAsBoolean(key % 2 == 0);
    if (key % 3 != 0) players.FieldByName("nap").SetAsDateTime(DaysFromCivil({2016, 2, 29}) + key);
    players.Post();
  };
  append(1, "Árvíztűrő Ödön", "őű€");
  append(2, "<b> & \"x\" 'y'", "a\\b\tc");
  append(3, "sor\r\nvége", "");
  append(4, "", "törölt");
  for (int key = 5; key < 5 + extra_players; ++key)
    append(key, "Játékos " + std::to_string(key), "");
  players.First();
  players.Edit();
  players.FieldByName("nev").SetAsString("Árvíztűrő Ödön II");
  players.Post();
  players.First();
  players.Next();
  players.Delete();
  const int jelszo = players.FieldIndex("jelszo");
  for (int record = 1; record <= players.StoredRecordCount(); ++record) {
    if (players.StoredRecordState(record) & (kSuperseded | kDeleted)) {
      players.ClearHiddenValues(record, std::vector<int>{jelszo});
    }
  }
  players.SaveToFile(file);
  return ReadBytes(file);
}

// The parser's result, or its message.
struct Outcome {
  bool read = false;
  TableData data;
  std::string message;
};

Outcome ParserOutcome(std::string_view bytes) {
  Outcome outcome;
  try {
    outcome.data = ReadTableFileWithParser(bytes);
    outcome.read = true;
  } catch (const Error& error) {
    outcome.message = error.what();
  }
  return outcome;
}

Outcome FileOutcome(const std::filesystem::path& file) {
  Outcome outcome;
  FileIdentity identity;
  ReadFailure failure;
  try {
    outcome.read = LoadTableFile(file, outcome.data, identity, failure);
    EXPECT_TRUE(outcome.read) << failure.reason;
    EXPECT_EQ(identity, CurrentIdentity(file));
  } catch (const Error& error) {
    outcome.message = error.what();
  }
  return outcome;
}

void ExpectLayoutPointsAtRows(const TableData& data, std::string_view bytes) {
  const FileLayout& layout = data.layout;
  ASSERT_TRUE(layout.known);
  ASSERT_EQ(layout.row_begins.size(), data.RecordCount());
  for (const uint32_t begin : layout.row_begins) EXPECT_EQ(bytes.substr(begin, 4), "<ROW");
  EXPECT_EQ(bytes.substr(layout.rows_end), "</ROWDATA></DATAPACKET>");
  if (!data.change_log.empty()) {
    const std::string log_tail = " " + std::to_string(data.change_log.back()) + "\"";
    EXPECT_EQ(bytes.substr(layout.log_end - log_tail.size() + 1, log_tail.size()), log_tail);
    // The layout a save splices by is the one the writer reports for the same bytes.
    FileLayout written;
    EXPECT_EQ(WriteTableFile(data, &written), bytes);
    EXPECT_EQ(written.row_begins, layout.row_begins);
    EXPECT_EQ(written.log_end, layout.log_end);
    EXPECT_EQ(written.rows_end, layout.rows_end);
    // A whole save streams the same bytes and layout in pieces of about a megabyte.
    std::string streamed;
    size_t largest = 0;
    FileLayout streamed_layout;
    WriteTableFile(data, &streamed_layout, [&](std::string_view piece) {
      streamed += piece;
      largest = std::max(largest, piece.size());
    });
    EXPECT_TRUE(streamed == bytes);
    EXPECT_EQ(streamed_layout.row_begins, layout.row_begins);
    EXPECT_EQ(streamed_layout.rows_end, layout.rows_end);
    if (bytes.size() > (size_t{1} << 20)) {
      EXPECT_LT(largest, (size_t{1} << 20) + 4096);
    }
  }
}

TEST(OwnLayout, StoreWrittenFilesReadInPiecesAsTheParserReadsThem) {
  TempFolder dir;
  const std::filesystem::path file = dir / "jatekosok.xml";
  // Well beyond one piece of the reader, so rows straddle the pieces' borders.
  const std::string bytes = PlayerFileWithHistory(file, 12000);
  ASSERT_GT(bytes.size(), 2 * kOwnLayoutChunkBytes);
  const Outcome parsed = ParserOutcome(bytes);
  ASSERT_TRUE(parsed.read) << parsed.message;
  EXPECT_FALSE(parsed.data.layout.known);

  const Outcome loaded = FileOutcome(file);
  ASSERT_TRUE(loaded.read) << loaded.message;
  EXPECT_TRUE(SameContent(loaded.data, parsed.data));
  ExpectLayoutPointsAtRows(loaded.data, bytes);
  EXPECT_EQ(WriteTableFile(loaded.data), bytes);

  // Tiny pieces cut every row, escape and log number somewhere.
  for (const size_t piece : {size_t{1}, size_t{7}, size_t{4096}}) {
    FileChunks chunks;
    ReadFailure failure;
    TableData data;
    ASSERT_TRUE(chunks.Open(file, failure));
    ASSERT_EQ(ReadOwnLayout(chunks, data, failure, piece), OwnLayoutResult::kRead);
    EXPECT_TRUE(SameContent(data, parsed.data)) << piece;
    EXPECT_EQ(data.layout.row_begins, loaded.data.layout.row_begins);
    EXPECT_EQ(data.layout.log_end, loaded.data.layout.log_end);
  }

  // The store opens it with every record, state and cleared value the parser gives.
  TableStore store(Fields());
  store.LoadFromFile(file);
  EXPECT_EQ(store.StoredRecordCount(), static_cast<int>(parsed.data.RecordCount()));
  EXPECT_EQ(store.SaveToBytes(), bytes);
}

TEST(OwnLayout, NumbersBeyondThirtyTwoBitsWidenTheColumnAndWriteBack) {
  TempFolder dir;
  const std::filesystem::path file = dir / "jatekosok.xml";
  std::string bytes = PlayerFileWithHistory(file, 100);
  // Canonical, but past 32 bits: the column turns wide from that row on and keeps every value.
  for (const std::string_view value : {"kod=\"50\"", "kod=\"90\""}) {
    const size_t at = bytes.find(value);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, value.size(),
                  value == "kod=\"50\"" ? "kod=\"-9223372036854775808\"" : "kod=\"5000000000\"");
  }
  WriteBytes(file, bytes);
  const Outcome parsed = ParserOutcome(bytes);
  const Outcome loaded = FileOutcome(file);
  ASSERT_TRUE(parsed.read && loaded.read) << parsed.message << loaded.message;
  EXPECT_TRUE(loaded.data.layout.known);
  EXPECT_TRUE(SameContent(loaded.data, parsed.data));
  EXPECT_EQ(WriteTableFile(loaded.data), bytes);
}

TEST(OwnLayout, NearlyTheWritersBytesLoadAsTheParserAloneLoadsThem) {
  TempFolder dir;
  const std::filesystem::path file = dir / "jatekosok.xml";
  const std::string canonical = PlayerFileWithHistory(file, 3);
  const auto replaced = [&](std::string_view from, std::string_view to) {
    std::string bytes = canonical;
    const size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) bytes.replace(at, from.size(), to);
    return bytes;
  };
  const std::string declaration = "<?xml version=\"1.0\" standalone=\"yes\"?>";
  const std::vector<std::pair<std::string, std::string>> mutations = {
      {"leading zero", replaced(" kod=\"5\"", " kod=\"05\"")},
      {"plus sign", replaced(" kod=\"5\"", " kod=\"+5\"")},
      {"state 0 written", replaced("RowState=\"4\" kod=\"5\"", "RowState=\"0\" kod=\"5\"")},
      {"unknown state", replaced("RowState=\"4\" kod=\"5\"", "RowState=\"3\" kod=\"5\"")},
      {"reordered",
       replaced(" kod=\"5\" nev=\"J\xE1t\xE9kos 5\"", " nev=\"J\xE1t\xE9kos 5\" kod=\"5\"")},
      {"character reference", replaced("J\xE1t\xE9kos 5", "J&#225;t&#233;kos 5")},
      {"plain letter referenced", replaced("J\xE1t\xE9kos 6", "&#74;\xE1t\xE9kos 6")},
      {"double space in log", replaced("CHANGE_LOG=\"1 0", "CHANGE_LOG=\"1  0")},
      {"lowercase true", replaced("aktiv=\"TRUE\"", "aktiv=\"true\"")},
      {"date in another form", replaced("nap=\"2016", "nap=\"+016")},
      {"apostrophe unescaped", replaced("&apos;", "'")},
      {"crlf at the end", canonical + "\r\n"},
      {"byte order mark", "\xEF\xBB\xBF" + canonical},
      {"encoding declared",
       replaced(declaration,
                "<?xml version=\"1.0\" encoding=\"windows-1250\" standalone=\"yes\"?>")},
      {"unassigned byte", replaced("J\xE1t\xE9kos 7", "J\x81t\xE9kos 7")},
      {"control character", replaced("J\xE1t\xE9kos 7", "J\x01t\xE9kos 7")},
      {"truncated", canonical.substr(0, canonical.size() - 7)},
      {"empty log", replaced("CHANGE_LOG=\"", "CHANGE_LOG=\"\" X=\"")},
  };
  for (const auto& [name, bytes] : mutations) {
    SCOPED_TRACE(name);
    TableData data;
    EXPECT_EQ(ReadOwnLayout(bytes, data), OwnLayoutResult::kDeclined);
    WriteBytes(file, bytes);
    const Outcome parsed = ParserOutcome(bytes);
    const Outcome loaded = FileOutcome(file);
    ASSERT_EQ(loaded.read, parsed.read);
    EXPECT_EQ(loaded.message, parsed.message);
    EXPECT_FALSE(loaded.data.layout.known);
    if (parsed.read) {
      EXPECT_TRUE(SameContent(loaded.data, parsed.data));
    }
  }
}

}  // namespace
}  // namespace kvadrix::tables::testing
