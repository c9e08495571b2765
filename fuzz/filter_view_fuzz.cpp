// Filters evaluated against random tables. The input drives a series of appends, edits, deletes,
// cursor moves, filter and index changes; after each step the filtered view must hold exactly the
// records of the whole view that a plain reading of the filter grammar keeps, in the same order,
// and a saved and reloaded copy with the same settings must show the same view. The check runs
// once, at the end: every shorter input ends at an earlier step, so each step is checked by some.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/error.h"
#include "tables/filter_parser.h"
#include "tables/table_store.h"

using kvadrix::Error;
using namespace kvadrix::tables;

namespace {

const char* const kFieldNames[] = {"kod", "nev", "datum", "teljes"};
constexpr int kFieldCount = 4;

std::vector<FieldDef> Fields() {
  return {IntegerField("kod"), StringField("nev", 6), DateField("datum"), BooleanField("teljes")};
}

// Pieces of text that the grammar treats specially, and letters from both ends of the code page.
const char* const kTextPieces[] = {"a",  "A",  "b", "'", "*", " ", "ő",    "Ő",  "&",   "<",
                                   "\\", "\"", "é", "1", "-", "0", "TRUE", "20", "and", "="};

std::string RandomText(FuzzedDataProvider& in, size_t max_pieces) {
  std::string text;
  const size_t pieces = in.ConsumeIntegralInRange<size_t>(0, max_pieces);
  for (size_t i = 0; i < pieces; ++i) text += in.PickValueInArray(kTextPieces);
  return text;
}

int32_t RandomNumber(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
      return in.ConsumeIntegralInRange(-3, 3);
    case 1:
      return in.ConsumeBool() ? INT32_MIN : INT32_MAX;
    default:
      return in.ConsumeIntegral<int32_t>();
  }
}

void SetRandomValue(FuzzedDataProvider& in, TableStore& table, int field) {
  FieldRef value = table.FieldByName(kFieldNames[field]);
  if (in.ConsumeIntegralInRange(0, 5) == 0) return value.Clear();
  switch (field) {
    case 0:
      return value.SetAsInteger(RandomNumber(in));
    case 1:
      return value.SetAsString(RandomText(in, 8));
    case 2:
      return value.SetAsDateTime(39000 + in.ConsumeIntegralInRange(-2, 2) + 0.5);
    default:
      return value.SetAsBoolean(in.ConsumeBool());
  }
}

std::string RandomCase(FuzzedDataProvider& in, std::string_view name) {
  std::string cased(name);
  for (char& c : cased) {
    if (in.ConsumeBool()) c = static_cast<char>(c - 'a' + 'A');
  }
  return cased;
}

std::string Spaces(FuzzedDataProvider& in) {
  return std::string(in.ConsumeIntegralInRange(0, 2), ' ');
}

// A filter text that is mostly well formed: comparisons of real fields, joined by "and".
std::string RandomFilter(FuzzedDataProvider& in) {
  std::string text = Spaces(in);
  const int conditions = in.ConsumeIntegralInRange(0, 3);
  for (int i = 0; i < conditions; ++i) {
    if (i > 0) text += " " + RandomCase(in, "and") + " ";
    text += RandomCase(in, kFieldNames[in.ConsumeIntegralInRange(0, kFieldCount - 1)]);
    text += Spaces(in) + (in.ConsumeBool() ? "=" : "<") + Spaces(in);
    if (in.ConsumeBool()) {
      text += std::to_string(RandomNumber(in));
    } else {
      text += QuoteFilterString(RandomText(in, 6));
    }
    text += Spaces(in);
  }
  return text;
}

struct Row {
  std::vector<bool> nulls;
  std::vector<std::string> texts;
  bool operator==(const Row&) const = default;
};

std::vector<Row> Walk(TableStore& table) {
  std::vector<Row> rows;
  for (table.First(); !table.Eof(); table.Next()) {
    Row row;
    for (int field = 0; field < kFieldCount; ++field) {
      FieldRef value = table.FieldByName(kFieldNames[field]);
      row.nulls.push_back(value.IsNull());
      row.texts.push_back(value.AsString());
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// The grammar read plainly, independent of the store's compiled filter.
bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

int FieldOf(const FilterCondition& condition) {
  for (int field = 0; field < kFieldCount; ++field) {
    if (SameNameIgnoringCase(condition.field, kFieldNames[field])) return field;
  }
  return -1;
}

bool ReadInteger(const std::string& text, int64_t& number) {
  const bool negative = !text.empty() && text[0] == '-';
  if (text.size() == (negative ? 1u : 0u)) return false;
  __int128 magnitude = 0;
  for (size_t i = negative ? 1 : 0; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > static_cast<__int128>(INT64_MAX) + 1) return false;
  }
  const __int128 value = negative ? -magnitude : magnitude;
  if (value > INT64_MAX) return false;
  number = static_cast<int64_t>(value);
  return true;
}

// Characters of valid UTF-8 text: every byte that does not continue a sequence.
size_t Characters(std::string_view text) {
  size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

std::string LeadingCharacters(std::string_view text, size_t count) {
  size_t end = 0;
  for (size_t seen = 0; end < text.size(); ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && seen++ == count) break;
  }
  return std::string(text.substr(0, end));
}

// False when the store must refuse the filter.
bool Valid(const std::vector<FilterCondition>& conditions) {
  for (const FilterCondition& condition : conditions) {
    const int field = FieldOf(condition);
    int64_t number;
    if (field < 0 || (field == 0 && !ReadInteger(condition.constant, number))) return false;
  }
  return true;
}

bool Keeps(const std::vector<FilterCondition>& conditions, const Row& row) {
  for (const FilterCondition& condition : conditions) {
    const int field = FieldOf(condition);
    if (row.nulls[field]) return false;
    const bool equal = condition.op == FilterOp::kEqual;
    if (field == 0) {
      int64_t value, constant;
      ReadInteger(row.texts[field], value);
      ReadInteger(condition.constant, constant);
      if (equal ? value != constant : value >= constant) return false;
      continue;
    }
    std::string value = row.texts[field];
    std::string constant = condition.constant;
    const size_t chars = Characters(constant);
    if (condition.quoted && chars >= 2 && constant.back() == '*') {
      constant.pop_back();
      value = LeadingCharacters(value, chars - 1);
    }
    if (equal ? value != constant : !(value < constant)) return false;
  }
  return true;
}

void Check(TableStore& table) {
  const std::vector<Row> shown = Walk(table);
  if (table.RecordCount() != static_cast<int>(shown.size())) std::abort();
  TableStore copy(Fields());
  copy.SetFilter(table.Filter());
  copy.SetFiltered(true);
  copy.SetIndexFieldNames(table.IndexFieldNames());
  copy.LoadFromBytes(table.SaveToBytes(), "fuzz.xml");
  const std::vector<Row> kept = Walk(copy);
  copy.SetFiltered(false);
  const std::vector<Row> all = Walk(copy);
  std::vector<Row> expected;
  const std::vector<FilterCondition> conditions = ParseFilter(table.Filter());
  for (const Row& row : all) {
    if (Keeps(conditions, row)) expected.push_back(row);
  }
  if (kept != expected) std::abort();                              // on a freshly built view
  if (shown != (table.Filtered() ? expected : all)) std::abort();  // kept up step by step
}

void SetFilter(TableStore& table, const std::string& text) {
  const std::string before = table.Filter();
  bool valid;
  try {
    valid = Valid(ParseFilter(text));
  } catch (const Error&) {
    valid = false;
  }
  try {
    table.SetFilter(text);
  } catch (const Error&) {
    if (valid || table.Filter() != before) std::abort();
    return;
  }
  if (!valid) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  TableStore table(Fields());
  table.CreateDataSet();
  for (int step = 0; step < 16 && in.remaining_bytes() > 0; ++step) {
    switch (in.ConsumeIntegralInRange(0, 8)) {
      case 0:
      case 1:
        table.Append();
        for (int field = 0; field < kFieldCount; ++field) {
          if (in.ConsumeBool()) SetRandomValue(in, table, field);
        }
        table.Post();
        break;
      case 2:
        if (table.RecordCount() == 0) break;
        table.Edit();
        SetRandomValue(in, table, in.ConsumeIntegralInRange(0, kFieldCount - 1));
        table.Post();
        break;
      case 3:
        if (table.RecordCount() > 0) table.Delete();
        break;
      case 4:
        table.Next();
        break;
      case 5:
        SetFilter(table, RandomFilter(in));
        break;
      case 6:
        table.SetFiltered(in.ConsumeBool());
        break;
      case 7: {
        const int first = in.ConsumeIntegralInRange(-1, kFieldCount - 1);
        std::string index = first < 0 ? "" : kFieldNames[first];
        if (first >= 0 && in.ConsumeBool()) {
          index += std::string(";") + kFieldNames[in.ConsumeIntegralInRange(0, kFieldCount - 1)];
        }
        table.SetIndexFieldNames(index);
        break;
      }
      default:
        SetFilter(table, in.ConsumeRandomLengthString(64));
        break;
    }
  }
  Check(table);
  return 0;
}
