#pragma once
// What a table holds, read for comparisons in tests: the visible rows as text, every stored
// record's state, and a file read back by a fresh store.
#include <filesystem>
#include <string>
#include <vector>

#include "tables/table_store.h"

namespace kvadrix::testing {

// Every visible row of the view, its values joined by "|" (a null as "-").
inline std::vector<std::string> Rows(const tables::TableStore& store) {
  std::vector<std::string> rows;
  for (int row = 0; row < store.RecordCount(); ++row) {
    std::string text;
    for (int field = 0; field < store.FieldCount(); ++field) {
      if (field > 0) text += "|";
      text += store.ViewIsNull(row, field) ? "-" : store.ViewValue(row, field);
    }
    rows.push_back(text);
  }
  return rows;
}

// Every stored record's state, superseded and deleted ones included.
inline std::vector<int> States(const tables::TableStore& store) {
  std::vector<int> states;
  for (int record = 1; record <= store.StoredRecordCount(); ++record) {
    states.push_back(store.StoredRecordState(record));
  }
  return states;
}

// The file as a fresh store of the table's kind reads it.
template <typename Make>
tables::TableStore Reloaded(Make make, const std::filesystem::path& file) {
  tables::TableStore store = make();
  store.LoadFromFile(file);
  return store;
}

}  // namespace kvadrix::testing
