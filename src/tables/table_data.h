#pragma once
// The contents of one table as the store, the reader and the writer share them. Values live in
// one column per field. A stored record never changes its values (an edit stores a new version),
// only its state, so columns only grow. The one exception: a hidden record's value may be
// cleared, which only sets its null flag, so the value can be brought back.
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/field_types.h"
#include "tables/table_store.h"

namespace kvadrix::tables {

// One value of the record being edited or appended.
struct Value {
  bool null = true;
  int64_t number = 0;  // Integer, Date (day count), Boolean (0 or 1)
  std::string text;    // String and read-only kinds
};

// A stored value or a buffered one, read alike.
struct ValueRef {
  bool null = true;
  int64_t number = 0;
  std::string_view text;
};

// The text of a value as FieldRef::AsString gives it: "" for null.
std::string ValueText(FieldKind kind, const ValueRef& value);

// Numbers are held in 32 bits until a value needs more; null flags are bits.
class Column {
 public:
  explicit Column(bool holds_numbers) : holds_numbers_(holds_numbers) {}

  bool HoldsNumbers() const { return holds_numbers_; }
  bool IsNull(uint32_t record) const { return (null_bits_[record >> 6] >> (record & 63)) & 1; }
  int64_t Number(uint32_t record) const {
    return wide_ ? wide_numbers_[record] : int64_t{narrow_numbers_[record]};
  }
  std::string_view Text(uint32_t record) const {
    return std::string_view(arena_.data() + begins_[record], sizes_[record]);
  }
  ValueRef Get(uint32_t record) const;

  // Loading pushes a null for every record, then sets the values the row holds.
  void PushNull();
  void SetLastNumber(int64_t number) {
    SetNull(count_ - 1, false);
    if (!wide_ && number >= INT32_MIN && number <= INT32_MAX) {
      narrow_numbers_.back() = static_cast<int32_t>(number);
    } else {
      SetWideLastNumber(number);
    }
  }
  void SetLastText(std::string_view text);
  void Push(const Value& value);
  void Reserve(size_t records);
  void Clear();
  void Truncate(uint32_t records);  // keeps the first records only
  // Nulls a stored value; its number or text stays behind the flag for RestoreValue.
  void ClearValue(uint32_t record) { SetNull(record, true); }
  void RestoreValue(uint32_t record) { SetNull(record, false); }

 private:
  void SetNull(uint32_t record, bool null) {
    const uint64_t bit = uint64_t{1} << (record & 63);
    null_bits_[record >> 6] = null ? null_bits_[record >> 6] | bit : null_bits_[record >> 6] & ~bit;
  }
  void SetWideLastNumber(int64_t number);

  bool holds_numbers_;
  bool wide_ = false;  // some value needed more than 32 bits: every number is in wide_numbers_
  uint32_t count_ = 0;
  std::vector<uint64_t> null_bits_;  // bit set: null
  std::vector<int32_t> narrow_numbers_;
  std::vector<int64_t> wide_numbers_;
  std::vector<uint32_t> begins_;
  std::vector<uint32_t> sizes_;
  std::string arena_;  // every text value of the column, back to back
};

struct Attribute {
  std::string name;
  std::string value;
};

inline constexpr std::string_view kChangeLogParam = "CHANGE_LOG";

inline bool IsVisibleState(int32_t state) { return (state & (kSuperseded | kDeleted)) == 0; }
inline bool IsKnownState(int32_t state) {
  return state == kUnchanged || state == kSuperseded || state == kDeleted || state == kInserted ||
         state == kModified;
}

// Where the rows of the file the data was read from begin, so that a save can copy the bytes of
// unchanged rows from that file instead of writing them anew. Known only when the file is
// byte for byte what the writer makes of the data as it was read.
struct FileLayout {
  bool known = false;
  uint32_t log_end = 0;              // just past the change log's last number; 0 without a log
  uint32_t rows_end = 0;             // where "</ROWDATA>" begins
  std::vector<uint32_t> row_begins;  // where each record's "<ROW" begins
};

struct TableData {
  std::vector<FieldDef> fields;
  std::vector<FieldType> types;  // one per field, checked when the fields were set
  std::vector<Column> columns;
  std::vector<uint8_t> states;       // one per record; record numbers count from 1
  std::vector<uint32_t> change_log;  // three numbers per change
  std::vector<Attribute> params;     // in file order; a CHANGE_LOG entry keeps the log's place
  std::vector<std::vector<Attribute>> param_elements;  // PARAM children, written back as read
  FileLayout layout;                                   // of the file the data was read from

  // Drops the records (not the log and the properties, which a file may give first).
  // Throws kvadrix::Error for a field type the store does not know or a repeated name.
  void SetFields(std::vector<FieldDef> new_fields);
  uint32_t RecordCount() const { return static_cast<uint32_t>(states.size()); }
  ValueRef Get(uint32_t record, int field) const { return columns[field].Get(record); }
  // Returns the new record's index (its record number minus one).
  uint32_t AppendRecord(const std::vector<Value>& values, int32_t state);
  void ClearRecords();  // the records and the change log
  void TruncateRecords(uint32_t count);
  void ReserveRecords(size_t count);
};

// The same fields, records, states, log and properties; the layout aside.
bool SameContent(const TableData& a, const TableData& b);

}  // namespace kvadrix::tables
