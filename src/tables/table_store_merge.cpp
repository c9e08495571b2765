// TableStore: accepting the change log, for data files that ship without a history.
#include <algorithm>

#include "tables/table_store.h"
#include "tables/table_store_impl.h"

namespace kvadrix::tables {

void TableStore::MergeChangeLog() {
  Impl& impl = *impl_;
  impl.RequireActive();
  impl.PostPending();
  const TableData& old = impl.data;
  TableData merged;
  merged.SetFields(old.fields);
  merged.params = old.params;
  std::erase_if(merged.params, [](const Attribute& a) { return a.name == kChangeLogParam; });
  merged.param_elements = old.param_elements;
  merged.ReserveRecords(old.RecordCount());
  std::vector<Value> values(old.fields.size());
  for (uint32_t record = 0; record < old.RecordCount(); ++record) {
    if (!IsVisibleState(old.states[record])) continue;
    for (size_t field = 0; field < values.size(); ++field) {
      const ValueRef value = old.Get(record, static_cast<int>(field));
      values[field] = Value{value.null, value.number, std::string(value.text)};
    }
    merged.AppendRecord(values, kUnchanged);
  }
  impl.Open(std::move(merged));
}

}  // namespace kvadrix::tables
