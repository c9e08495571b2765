// Arbitrary text as a filter expression, on a table with a field of every writable kind; and the
// same text as a name, which its own quoted form must always find.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/error.h"
#include "tables/table_store.h"

using kvadrix::Error;
using namespace kvadrix::tables;

namespace {

TableStore MakeTable() {
  TableStore table(
      {IntegerField("kod"), StringField("nev", 300), DateField("datum"), BooleanField("teljes")});
  table.CreateDataSet();
  const char* names[] = {"Anna", "O'Brien", "Ki*", "Könnyű", ""};
  for (int i = 0; i < 5; ++i) {
    table.Append();
    table.FieldByName("kod").SetAsInteger(i * 7 - 10);
    table.FieldByName("nev").SetAsString(names[i]);
    table.FieldByName("datum").SetAsDateTime(39000 + i);
    table.FieldByName("teljes").SetAsBoolean(i % 2 == 0);
    table.Post();
  }
  table.Append();  // one record of nulls
  table.Post();
  table.SetFiltered(true);
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TableStore table = MakeTable();
  try {
    table.SetFilter(text);
    if (table.RecordCount() > 6) std::abort();
    for (table.First(); !table.Eof(); table.Next()) table.FieldByName("nev").AsString();
  } catch (const Error&) {
    if (table.Filter() != "" || table.RecordCount() != 6) std::abort();  // nothing changed
  }

  table.Append();
  try {
    table.FieldByName("nev").SetAsString(text);
  } catch (const Error&) {
    return 0;  // not storable text
  }
  if (table.FieldByName("nev").AsString() != text) return 0;  // longer than the field
  table.Post();
  table.SetFilter("NEV=" + QuoteFilterString(text));
  if (text.size() <= 255 && table.RecordCount() < 1) std::abort();
  return 0;
}
