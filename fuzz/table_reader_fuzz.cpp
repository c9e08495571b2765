// Arbitrary bytes as a table file. Whatever loads must walk, save, and load again to the same
// bytes: what the writer writes, the reader must read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/error.h"
#include "tables/table_store.h"

using kvadrix::Error;
using kvadrix::tables::TableStore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TableStore table;
  try {
    table.LoadFromBytes(bytes, "fuzz.xml");
  } catch (const Error&) {
    return 0;
  }
  for (table.First(); !table.Eof(); table.Next()) {
    for (int field = 0; field < table.FieldCount(); ++field) {
      table.FieldByName(table.Field(field).name).AsString();
    }
  }
  std::string saved;
  try {
    saved = table.SaveToBytes();
  } catch (const Error&) {
    return 0;  // text that code page 1250 cannot hold is refused, never written lossily
  }
  TableStore again;
  again.LoadFromBytes(saved, "again.xml");
  if (again.SaveToBytes() != saved || again.RecordCount() != table.RecordCount() ||
      again.StoredRecordCount() > table.StoredRecordCount()) {
    std::abort();
  }
  return 0;
}
