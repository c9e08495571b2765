// TableStore: the cursor, editing and the change log.
//
// States of a record changed again: editing a record of any visible state (0, 4 or 8) stores the
// edited values as a new record of state 8, logged as a modification of the old one, which gets
// state 1 and leaves the view; deleting one gives it state 2, logged as a deletion. The old
// version keeps its values and the log keeps its insert entry, so a reloaded file shows the same
// view and the same history. An edit that set no field stores and logs nothing.
// ClearHiddenValues is the one way to change a stored value: it nulls values of a hidden version,
// so they leave the file while the version, its state and the log stay.
#include <algorithm>

#include "common/error.h"
#include "tables/table_store.h"
#include "tables/table_store_impl.h"

namespace kvadrix::tables {

void TableStore::Impl::MoveToFirst() {
  cursor = 0;
  eof = Records().empty();
}

void TableStore::Impl::PlaceCursorOn(uint32_t record) {
  // A record the filter does not keep leaves the cursor on the one that follows its place.
  bool present = false;
  const size_t position = view.Position(data, record, &present);
  const size_t size = Records().size();
  cursor = size == 0 ? 0 : std::min(position, size - 1);
  eof = size == 0;
}

void TableStore::Impl::CheckField(int field) const {
  if (field < 0 || static_cast<size_t>(field) >= data.fields.size()) {
    throw Error("A mező már nem létezik: a tábla mezői megváltoztak.");
  }
}

ValueRef TableStore::Impl::Current(int field) const {
  CheckField(field);
  if (mode != Mode::kBrowse) {
    const Value& value = buffer[field];
    return ValueRef{value.null, value.number, value.text};
  }
  if (!active || Records().empty()) return ValueRef{};
  return data.Get(Records()[cursor], field);
}

void TableStore::Impl::PostPending() {
  if (mode != Mode::kBrowse) Post();
}

void TableStore::Impl::Post() {
  if (mode == Mode::kBrowse) {
    throw Error("Nincs szerkesztett vagy új rekord, amit rögzíteni lehetne.");
  }
  const Mode posted = mode;
  mode = Mode::kBrowse;
  if (posted == Mode::kEdit && !buffer_changed) return;  // nothing to store, nothing to log
  if (posted == Mode::kInsert) {
    const uint32_t record = data.AppendRecord(buffer, kInserted);
    data.change_log.insert(data.change_log.end(), {record + 1, 0, kInserted});
    view.Added(data, record);
    PlaceCursorOn(record);
  } else {
    const uint32_t record = data.AppendRecord(buffer, kModified);
    data.states[edited_record] = kSuperseded;
    data.change_log.insert(data.change_log.end(), {record + 1, edited_record + 1, kModified});
    view.Replaced(data, edited_record, record);
    PlaceCursorOn(record);
  }
  Notify();
}

void TableStore::First() {
  impl_->RequireActive();
  impl_->PostPending();
  impl_->MoveToFirst();
}

void TableStore::Next() {
  Impl& impl = *impl_;
  impl.RequireActive();
  impl.PostPending();
  if (impl.cursor + 1 < impl.Records().size()) {
    ++impl.cursor;
    impl.eof = false;
  } else {
    impl.eof = true;
  }
}

bool TableStore::Eof() const { return !impl_->active || impl_->eof; }

int TableStore::RecordCount() const {
  return impl_->active ? static_cast<int>(impl_->Records().size()) : 0;
}

int TableStore::RecNo() const {
  const Impl& impl = *impl_;
  if (!impl.active) return 0;
  if (impl.mode == Impl::Mode::kInsert) return static_cast<int>(impl.Records().size()) + 1;
  return impl.Records().empty() ? 0 : static_cast<int>(impl.cursor) + 1;
}

FieldRef TableStore::FieldByName(std::string_view name) {
  const int field = FieldIndex(name);
  if (field < 0) {
    impl_->CancelPending();  // as a refused value does: nothing half filled is posted later
    throw Error(std::string("A táblában nincs \"") + std::string(name) + "\" nevű mező.");
  }
  return FieldRef(this, field);
}

int TableStore::FieldCount() const { return static_cast<int>(impl_->data.fields.size()); }

const FieldDef& TableStore::Field(int index) const { return impl_->data.fields.at(index); }

int TableStore::FieldIndex(std::string_view name) const {
  return FindField(impl_->data.fields, name);
}

void TableStore::Append() {
  Impl& impl = *impl_;
  impl.RequireActive();
  impl.PostPending();
  impl.buffer.assign(impl.data.fields.size(), Value{});
  impl.buffer_changed = false;
  impl.mode = Impl::Mode::kInsert;
  impl.eof = false;
}

void TableStore::Edit() {
  Impl& impl = *impl_;
  impl.RequireActive();
  if (impl.mode != Impl::Mode::kBrowse) return;
  if (impl.Records().empty()) throw Error("Nincs szerkeszthető rekord: a tábla nézete üres.");
  impl.edited_record = impl.Records()[impl.cursor];
  impl.buffer.resize(impl.data.fields.size());
  for (size_t field = 0; field < impl.buffer.size(); ++field) {
    const ValueRef value = impl.data.Get(impl.edited_record, static_cast<int>(field));
    impl.buffer[field] = Value{value.null, value.number, std::string(value.text)};
  }
  impl.buffer_changed = false;
  impl.mode = Impl::Mode::kEdit;
}

void TableStore::Post() {
  impl_->RequireActive();
  impl_->Post();
}

void TableStore::Delete() {
  Impl& impl = *impl_;
  impl.RequireActive();
  if (impl.mode == Impl::Mode::kInsert) {  // deleting a record not yet posted drops it
    impl.mode = Impl::Mode::kBrowse;
    impl.eof = impl.Records().empty();
    return;
  }
  impl.mode = Impl::Mode::kBrowse;  // an edit in progress is dropped with its record
  if (impl.Records().empty()) throw Error("Nincs törölhető rekord: a tábla nézete üres.");
  const uint32_t record = impl.Records()[impl.cursor];
  impl.data.states[record] = kDeleted;
  impl.data.change_log.insert(impl.data.change_log.end(), {record + 1, 0, kDeleted});
  impl.view.Removed(impl.data, record);
  const size_t size = impl.Records().size();
  impl.cursor = size == 0 ? 0 : std::min(impl.cursor, size - 1);
  impl.eof = size == 0;
  impl.Notify();
}

void TableStore::DeleteView() {
  Impl& impl = *impl_;
  impl.RequireActive();
  impl.mode = Impl::Mode::kBrowse;  // as Delete: a record being appended or edited is dropped
  if (impl.Records().empty()) throw Error("Nincs törölhető rekord: a tábla nézete üres.");
  for (const uint32_t record : impl.Records()) {
    impl.data.states[record] = kDeleted;
    impl.data.change_log.insert(impl.data.change_log.end(), {record + 1, 0, kDeleted});
  }
  impl.view.RemovedHidden(impl.data);
  impl.cursor = 0;
  impl.eof = impl.Records().empty();
  impl.Notify();
}

bool TableStore::Editing() const { return impl_->mode != Impl::Mode::kBrowse; }

std::string TableStore::ViewValue(int view_row, int field) const {
  const Impl& impl = *impl_;
  if (!impl.active || view_row < 0 || static_cast<size_t>(view_row) >= impl.Records().size() ||
      field < 0 || static_cast<size_t>(field) >= impl.data.fields.size()) {
    return "";
  }
  return ValueText(impl.data.types[field].kind, impl.data.Get(impl.Records()[view_row], field));
}

bool TableStore::ViewIsNull(int view_row, int field) const {
  const Impl& impl = *impl_;
  if (!impl.active || view_row < 0 || static_cast<size_t>(view_row) >= impl.Records().size() ||
      field < 0 || static_cast<size_t>(field) >= impl.data.fields.size()) {
    return true;
  }
  return impl.data.Get(impl.Records()[view_row], field).null;
}

TableStore::Checkpoint TableStore::MakeCheckpoint() const {
  const Impl& impl = *impl_;
  Checkpoint checkpoint;
  if (!impl.active) return checkpoint;
  checkpoint.generation = impl.generation;
  checkpoint.records = impl.data.RecordCount();
  checkpoint.states = impl.data.states;
  checkpoint.log_size = impl.data.change_log.size();
  checkpoint.cleared_count = impl.cleared.size();
  if (!impl.Records().empty()) checkpoint.current = impl.Records()[impl.cursor];
  return checkpoint;
}

void TableStore::RollBack(const Checkpoint& checkpoint) {
  Impl& impl = *impl_;
  if (!impl.active || checkpoint.generation != impl.generation) return;
  impl.mode = Impl::Mode::kBrowse;
  while (impl.cleared.size() > checkpoint.cleared_count) {
    const Impl::ClearedValue& value = impl.cleared.back();
    impl.data.columns[value.field].RestoreValue(value.record);
    impl.on_disk.touched_values.push_back(value.record);
    impl.cleared.pop_back();
  }
  impl.data.TruncateRecords(checkpoint.records);
  impl.data.states = checkpoint.states;
  impl.data.change_log.resize(std::min(checkpoint.log_size, impl.data.change_log.size()));
  Impl::OnDisk& on_disk = impl.on_disk;
  on_disk.intact_records = std::min<size_t>(on_disk.intact_records, checkpoint.records);
  on_disk.intact_log = std::min(on_disk.intact_log, checkpoint.log_size);
  impl.view.Rebuild(impl.data);
  if (checkpoint.current) {
    impl.PlaceCursorOn(*checkpoint.current);
  } else {
    impl.MoveToFirst();
  }
  impl.Notify();
}

int TableStore::StoredRecordCount() const { return static_cast<int>(impl_->data.RecordCount()); }

void TableStore::Impl::CheckRecord(int record) const {
  if (record < 1 || static_cast<uint32_t>(record) > data.RecordCount()) {
    throw Error(std::string("Nincs ") + std::to_string(record) + ". rekord a táblában.");
  }
}

int TableStore::StoredRecordState(int record) const {
  impl_->CheckRecord(record);
  return impl_->data.states[record - 1];
}

std::string TableStore::StoredValue(int record, int field) const {
  const Impl& impl = *impl_;
  impl.CheckRecord(record);
  impl.CheckField(field);
  return ValueText(impl.data.types[field].kind, impl.data.Get(record - 1, field));
}

void TableStore::ClearHiddenValues(int record, std::span<const int> fields) {
  Impl& impl = *impl_;
  impl.RequireActive();
  impl.CheckRecord(record);
  for (const int field : fields) impl.CheckField(field);
  const uint32_t index = static_cast<uint32_t>(record) - 1;
  if (IsVisibleState(impl.data.states[index])) {
    throw Error(std::string("A(z) ") + std::to_string(record) +
                ". rekord látható, az értékei nem törölhetők.");
  }
  for (const int field : fields) {
    Column& column = impl.data.columns[field];
    if (column.IsNull(index)) continue;  // a rollback must not turn a null into a value
    column.ClearValue(index);
    impl.on_disk.touched_values.push_back(index);
    impl.cleared.push_back(Impl::ClearedValue{index, field});
  }
}

const std::vector<uint32_t>& TableStore::ChangeLog() const { return impl_->data.change_log; }

}  // namespace kvadrix::tables
