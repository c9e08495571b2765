#include "tables/view_order.h"

#include <algorithm>

namespace kvadrix::tables {
namespace {

// Nulls first, then numbers or texts ascending (texts by code point).
int CompareValues(const Column& column, uint32_t a, uint32_t b) {
  const bool a_null = column.IsNull(a);
  const bool b_null = column.IsNull(b);
  if (a_null || b_null) return static_cast<int>(b_null) - static_cast<int>(a_null);
  if (column.HoldsNumbers()) {
    const int64_t x = column.Number(a);
    const int64_t y = column.Number(b);
    return x < y ? -1 : (x > y ? 1 : 0);
  }
  return column.Text(a).compare(column.Text(b));
}

}  // namespace

bool ViewOrder::Less(const TableData& data, uint32_t a, uint32_t b) const {
  for (const int field : index_fields_) {
    const int order = CompareValues(data.columns[field], a, b);
    if (order != 0) return order < 0;
  }
  if (place_[a] != place_[b]) return place_[a] < place_[b];
  return a < b;  // only a damaged log gives two visible records one place
}

void ViewOrder::Rebuild(const TableData& data) {
  const uint32_t count = data.RecordCount();
  place_.resize(count);
  for (uint32_t record = 0; record < count; ++record) place_[record] = record;
  const std::vector<uint32_t>& log = data.change_log;
  for (size_t i = 0; i + 2 < log.size(); i += 3) {
    const uint32_t new_number = log[i];
    const uint32_t old_number = log[i + 1];
    // Entries that do not name an earlier stored record say nothing about places.
    if (log[i + 2] == kModified && old_number >= 1 && old_number < new_number &&
        new_number <= count) {
      place_[new_number - 1] = place_[old_number - 1];
    }
  }
  base_.clear();
  base_.reserve(count);
  for (uint32_t record = 0; record < count; ++record) {
    if (IsVisibleState(data.states[record])) base_.push_back(record);
  }
  Resort(data);
}

void ViewOrder::Resort(const TableData& data) {
  const auto less = [&](uint32_t a, uint32_t b) { return Less(data, a, b); };
  if (!std::is_sorted(base_.begin(), base_.end(), less)) {
    std::sort(base_.begin(), base_.end(), less);
  }
  Refilter(data);
}

void ViewOrder::Refilter(const TableData& data) {
  filtered_.clear();
  if (!filtering()) return;
  for (const uint32_t record : base_) {
    if (filter_->Matches(data, record)) filtered_.push_back(record);
  }
}

void ViewOrder::Clear() {
  place_.clear();
  base_.clear();
  filtered_.clear();
}

void ViewOrder::Insert(const TableData& data, std::vector<uint32_t>& list, uint32_t record) const {
  const auto at = std::lower_bound(list.begin(), list.end(), record,
                                   [&](uint32_t a, uint32_t b) { return Less(data, a, b); });
  list.insert(at, record);
}

void ViewOrder::Erase(const TableData& data, std::vector<uint32_t>& list, uint32_t record) const {
  const auto at = std::lower_bound(list.begin(), list.end(), record,
                                   [&](uint32_t a, uint32_t b) { return Less(data, a, b); });
  if (at != list.end() && *at == record) list.erase(at);
}

void ViewOrder::Added(const TableData& data, uint32_t record) {
  place_.resize(data.RecordCount());
  place_[record] = record;
  Insert(data, base_, record);
  if (filtering() && filter_->Matches(data, record)) Insert(data, filtered_, record);
}

void ViewOrder::Replaced(const TableData& data, uint32_t old_record, uint32_t new_record) {
  Removed(data, old_record);
  place_.resize(data.RecordCount());
  place_[new_record] = place_[old_record];
  Insert(data, base_, new_record);
  if (filtering() && filter_->Matches(data, new_record)) Insert(data, filtered_, new_record);
}

void ViewOrder::Removed(const TableData& data, uint32_t record) {
  Erase(data, base_, record);
  if (filtering()) Erase(data, filtered_, record);
}

void ViewOrder::RemovedHidden(const TableData& data) {
  const auto hidden = [&data](uint32_t record) { return !IsVisibleState(data.states[record]); };
  std::erase_if(base_, hidden);
  std::erase_if(filtered_, hidden);
}

size_t ViewOrder::Position(const TableData& data, uint32_t record, bool* present) const {
  const std::vector<uint32_t>& list = Records();
  const auto at = std::lower_bound(list.begin(), list.end(), record,
                                   [&](uint32_t a, uint32_t b) { return Less(data, a, b); });
  *present = at != list.end() && *at == record;
  return static_cast<size_t>(at - list.begin());
}

}  // namespace kvadrix::tables
