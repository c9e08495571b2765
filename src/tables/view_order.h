#pragma once
// The view of a table: its visible records, ordered by the index fields (if any) and otherwise by
// position, restricted by the filter while filtering is on.
//
// Position: a record keeps the place at which it entered the store, and the new version of a
// modified record takes the place of the record it replaces. The place follows from the change
// log alone, so a reloaded file shows the same order.
#include <cstdint>
#include <utility>
#include <vector>

#include "tables/compiled_filter.h"
#include "tables/table_data.h"

namespace kvadrix::tables {

class ViewOrder {
 public:
  // The settings only; Rebuild, Resort or Refilter brings the view up to date.
  void SetIndex(std::vector<int> fields) { index_fields_ = std::move(fields); }
  const std::vector<int>& IndexFields() const { return index_fields_; }
  // nullptr or an empty filter: every visible record. The filter must outlive its use here.
  void SetFilter(const CompiledFilter* filter) { filter_ = filter; }

  // Everything from the records and the change log.
  void Rebuild(const TableData& data);
  // After an index change.
  void Resort(const TableData& data);
  // After a filter change.
  void Refilter(const TableData& data);
  void Clear();

  // Incremental changes, each one binary search and one insertion or removal.
  void Added(const TableData& data, uint32_t record);  // a new record in its own place
  void Replaced(const TableData& data, uint32_t old_record, uint32_t new_record);
  void Removed(const TableData& data, uint32_t record);
  // Many records deleted or superseded at once: one pass instead of one removal each.
  void RemovedHidden(const TableData& data);

  const std::vector<uint32_t>& Records() const { return filtering() ? filtered_ : base_; }
  // The record's position in Records(), or where it would stand when absent.
  size_t Position(const TableData& data, uint32_t record, bool* present) const;

 private:
  bool filtering() const { return filter_ != nullptr && !filter_->Empty(); }
  bool Less(const TableData& data, uint32_t a, uint32_t b) const;
  void Insert(const TableData& data, std::vector<uint32_t>& list, uint32_t record) const;
  void Erase(const TableData& data, std::vector<uint32_t>& list, uint32_t record) const;

  std::vector<uint32_t> place_;  // per record: the record number whose place it holds
  std::vector<int> index_fields_;
  const CompiledFilter* filter_ = nullptr;
  std::vector<uint32_t> base_;      // every visible record, in view order
  std::vector<uint32_t> filtered_;  // the part of base_ the filter keeps
};

}  // namespace kvadrix::tables
