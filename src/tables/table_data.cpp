#include "tables/table_data.h"

#include "common/error.h"
#include "tables/value_text.h"

namespace kvadrix::tables {

namespace {

// The ASCII rules of XML names; other characters are left to the encoder.
bool IsAttributeName(std::string_view name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
    const bool later = (c >= '0' && c <= '9') || c == '-' || c == '.';
    if (static_cast<unsigned char>(c) < 0x80 && !letter && !(i > 0 && later)) return false;
  }
  return true;
}

}  // namespace

std::string ValueText(FieldKind kind, const ValueRef& value) {
  if (value.null) return "";
  switch (kind) {
    case FieldKind::kInteger: {
      std::string text;
      AppendInteger(text, value.number);
      return text;
    }
    case FieldKind::kDate:
      return DisplayDate(static_cast<int32_t>(value.number));
    case FieldKind::kBoolean:
      return std::string(BooleanText(value.number != 0));
    case FieldKind::kString:
    case FieldKind::kReadOnly:
      break;
  }
  return std::string(value.text);
}

ValueRef Column::Get(uint32_t record) const {
  ValueRef value;
  value.null = IsNull(record);
  if (holds_numbers_) {
    value.number = Number(record);
  } else {
    value.text = Text(record);
  }
  return value;
}

void Column::PushNull() {
  if ((count_ & 63) == 0) null_bits_.push_back(0);
  ++count_;
  SetNull(count_ - 1, true);
  if (holds_numbers_) {
    if (wide_) {
      wide_numbers_.push_back(0);
    } else {
      narrow_numbers_.push_back(0);
    }
  } else {
    begins_.push_back(0);
    sizes_.push_back(0);
  }
}

void Column::SetWideLastNumber(int64_t number) {
  if (!wide_) {
    wide_numbers_.reserve(narrow_numbers_.capacity());
    wide_numbers_.assign(narrow_numbers_.begin(), narrow_numbers_.end());
    narrow_numbers_ = std::vector<int32_t>();
    wide_ = true;
  }
  wide_numbers_.back() = number;
}

void Column::SetLastText(std::string_view text) {
  if (arena_.size() + text.size() > UINT32_MAX) throw Error("a tábla túl nagy");
  SetNull(count_ - 1, false);
  begins_.back() = static_cast<uint32_t>(arena_.size());
  sizes_.back() = static_cast<uint32_t>(text.size());
  arena_.append(text);
}

void Column::Push(const Value& value) {
  PushNull();
  if (value.null) return;
  if (holds_numbers_) {
    SetLastNumber(value.number);
  } else {
    SetLastText(value.text);
  }
}

void Column::Reserve(size_t records) {
  null_bits_.reserve((records + 63) / 64);
  if (holds_numbers_) {
    if (wide_) {
      wide_numbers_.reserve(records);
    } else {
      narrow_numbers_.reserve(records);
    }
  } else {
    begins_.reserve(records);
    sizes_.reserve(records);
  }
}

void Column::Clear() {
  count_ = 0;
  wide_ = false;
  null_bits_.clear();
  narrow_numbers_.clear();
  wide_numbers_.clear();
  begins_.clear();
  sizes_.clear();
  arena_.clear();
}

void Column::Truncate(uint32_t records) {
  if (records >= count_) return;
  count_ = records;
  null_bits_.resize((size_t{records} + 63) / 64);
  if (holds_numbers_) {
    narrow_numbers_.resize(wide_ ? 0 : records);
    wide_numbers_.resize(wide_ ? records : 0);
    return;
  }
  // Texts are appended in record order: the last kept text ends the part of the arena to keep.
  // A null pushed as such has no text (0, 0); a cleared value keeps its place, so it is found by
  // its place, not its flag, and a later rollback can still restore it.
  size_t end = 0;
  for (uint32_t record = records; record > 0; --record) {
    const size_t text_end = size_t(begins_[record - 1]) + sizes_[record - 1];
    if (text_end > 0) {
      end = text_end;
      break;
    }
  }
  begins_.resize(records);
  sizes_.resize(records);
  arena_.resize(end);
}

void TableData::SetFields(std::vector<FieldDef> new_fields) {
  std::vector<FieldType> new_types;
  std::vector<Column> new_columns;
  for (size_t i = 0; i < new_fields.size(); ++i) {
    const FieldDef& field = new_fields[i];
    const std::optional<FieldType> type = ClassifyFieldType(field.fieldtype);
    if (!type) throw Error("ismeretlen mezőtípus: \"" + field.fieldtype + "\"");
    if (field.name.empty()) throw Error("egy mezőnek nincs neve");
    if (!IsAttributeName(AttrNameOf(field))) {
      throw Error("a(z) \"" + field.name + "\" nem használható mezőnévként");
    }
    for (size_t j = 0; j < i; ++j) {
      if (EqualsIgnoreCase(new_fields[j].name, field.name) ||
          AttrNameOf(new_fields[j]) == AttrNameOf(field)) {
        throw Error("a(z) \"" + field.name + "\" mező kétszer szerepel");
      }
    }
    new_types.push_back(*type);
    new_columns.emplace_back(HeldAsNumber(type->kind));
  }
  fields = std::move(new_fields);
  types = std::move(new_types);
  columns = std::move(new_columns);
  states.clear();
}

uint32_t TableData::AppendRecord(const std::vector<Value>& values, int32_t state) {
  for (size_t i = 0; i < columns.size(); ++i) columns[i].Push(values[i]);
  states.push_back(static_cast<uint8_t>(state));
  return RecordCount() - 1;
}

void TableData::ReserveRecords(size_t count) {
  for (Column& column : columns) column.Reserve(count);
  states.reserve(count);
}

void TableData::TruncateRecords(uint32_t count) {
  for (Column& column : columns) column.Truncate(count);
  if (count < states.size()) states.resize(count);
}

void TableData::ClearRecords() {
  for (Column& column : columns) column.Clear();
  states.clear();
  change_log.clear();
}

bool SameContent(const TableData& a, const TableData& b) {
  const auto same_field = [](const FieldDef& x, const FieldDef& y) {
    return x.name == y.name && x.attrname == y.attrname && x.fieldtype == y.fieldtype &&
           x.width == y.width && x.extra_attributes == y.extra_attributes;
  };
  const auto same_attributes = [](const std::vector<Attribute>& x,
                                  const std::vector<Attribute>& y) {
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i) {
      if (x[i].name != y[i].name || x[i].value != y[i].value) return false;
    }
    return true;
  };
  if (a.fields.size() != b.fields.size() || a.states != b.states || a.change_log != b.change_log ||
      a.columns.size() != b.columns.size() || !same_attributes(a.params, b.params) ||
      a.param_elements.size() != b.param_elements.size()) {
    return false;
  }
  for (size_t i = 0; i < a.fields.size(); ++i) {
    if (!same_field(a.fields[i], b.fields[i]) || a.types[i].kind != b.types[i].kind ||
        a.types[i].writable != b.types[i].writable) {
      return false;
    }
  }
  for (size_t i = 0; i < a.param_elements.size(); ++i) {
    if (!same_attributes(a.param_elements[i], b.param_elements[i])) return false;
  }
  for (size_t field = 0; field < a.columns.size(); ++field) {
    for (uint32_t record = 0; record < a.RecordCount(); ++record) {
      const ValueRef x = a.Get(record, static_cast<int>(field));
      const ValueRef y = b.Get(record, static_cast<int>(field));
      if (x.null != y.null || x.number != y.number || x.text != y.text) return false;
    }
  }
  return true;
}

}  // namespace kvadrix::tables
