// FieldRef: reading and writing one field of the current record, with the conversions between
// the field kinds and the value types the program uses.
#include <cstdint>

#include "common/error.h"
#include "tables/table_store.h"
#include "tables/table_store_impl.h"
#include "tables/utf8.h"
#include "tables/value_text.h"
#include "tables/xml_escape.h"

namespace kvadrix::tables {
namespace {

[[noreturn]] void ThrowNotAnInteger(std::string_view text) {
  throw Error(Quoted(text) + " nem érvényes egész szám.");
}

int32_t ToInt32(int64_t number, const std::string& field_name) {
  if (number < INT32_MIN || number > INT32_MAX) {
    throw Error(std::string("A(z) ") + Quoted(field_name) + std::string(" mező értéke (") +
                std::to_string(number) + ") nem fér el egy 32 bites egész számban.");
  }
  return static_cast<int32_t>(number);
}

[[noreturn]] void ThrowWrongKind(const std::string& field_name, std::string_view as_what) {
  throw Error(std::string("A(z) ") + Quoted(field_name) + std::string(" mező ") +
              std::string(as_what) + " nem kezelhető.");
}

// A value the field refuses drops the whole pending record, so no later First, filter change or
// save can post it half filled.
template <typename Impl, typename Write>
void CancelOnFailure(Impl& impl, Write write) {
  try {
    write();
  } catch (...) {
    impl.CancelPending();
    throw;
  }
}

}  // namespace

void TableStore::Impl::CheckWritable(int field) const {
  CheckField(field);
  const std::string& name = data.fields[field].name;
  if (mode == Mode::kBrowse) {
    throw Error(std::string("A(z) ") + Quoted(name) +
                " mező csak szerkesztés vagy új rekord felvétele közben írható.");
  }
  if (!data.types[field].writable) {
    throw Error(std::string("A(z) ") + Quoted(name) + " mező csak olvasható.");
  }
}

void TableStore::Impl::CancelPending() {
  if (mode == Mode::kBrowse) return;
  mode = Mode::kBrowse;
  eof = Records().empty();
}

void TableStore::Impl::StoreValue(int field, Value value) {
  buffer[field] = std::move(value);
  buffer_changed = true;
}

bool FieldRef::IsNull() const { return store_->impl_->Current(field_).null; }

int32_t FieldRef::AsInteger() const {
  const TableStore::Impl& impl = *store_->impl_;
  const ValueRef value = impl.Current(field_);
  if (value.null) return 0;
  const std::string& name = impl.data.fields[field_].name;
  switch (impl.data.types[field_].kind) {
    case FieldKind::kInteger:
      return ToInt32(value.number, name);
    case FieldKind::kString:
    case FieldKind::kReadOnly: {
      int64_t number;
      if (!ParseInteger(value.text, number)) ThrowNotAnInteger(value.text);
      return ToInt32(number, name);
    }
    case FieldKind::kDate:
    case FieldKind::kBoolean:
      break;
  }
  ThrowWrongKind(name, "értéke egész számként");
}

std::string FieldRef::AsString() const {
  const TableStore::Impl& impl = *store_->impl_;
  const ValueRef value = impl.Current(field_);
  return ValueText(impl.data.types[field_].kind, value);
}

bool FieldRef::AsBoolean() const {
  const TableStore::Impl& impl = *store_->impl_;
  const ValueRef value = impl.Current(field_);
  if (value.null) return false;
  switch (impl.data.types[field_].kind) {
    case FieldKind::kBoolean:
    case FieldKind::kInteger:
      return value.number != 0;
    case FieldKind::kString:
    case FieldKind::kReadOnly: {
      bool flag;
      if (ParseBoolean(value.text, flag)) return flag;
      break;
    }
    case FieldKind::kDate:
      break;
  }
  ThrowWrongKind(impl.data.fields[field_].name, "értéke logikai értékként");
}

double FieldRef::AsDateTime() const {
  const TableStore::Impl& impl = *store_->impl_;
  const ValueRef value = impl.Current(field_);
  if (value.null) return 0;
  if (impl.data.types[field_].kind != FieldKind::kDate) {
    ThrowWrongKind(impl.data.fields[field_].name, "értéke dátumként");
  }
  return static_cast<double>(value.number);
}

void FieldRef::SetAsInteger(int32_t number) {
  TableStore::Impl& impl = *store_->impl_;
  CancelOnFailure(impl, [&] {
    impl.CheckWritable(field_);
    switch (impl.data.types[field_].kind) {
      case FieldKind::kInteger:
        return impl.StoreValue(field_, Value{false, number, {}});
      case FieldKind::kString:
        return SetAsString(std::to_string(number));
      default:
        ThrowWrongKind(impl.data.fields[field_].name, "egész számmal");
    }
  });
}

void FieldRef::SetAsString(std::string_view text) {
  TableStore::Impl& impl = *store_->impl_;
  CancelOnFailure(impl, [&] {
    impl.CheckWritable(field_);
    const FieldDef& field = impl.data.fields[field_];
    switch (impl.data.types[field_].kind) {
      case FieldKind::kString: {
        if (!StorableInFile(text)) {
          throw Error(std::string("A(z) ") + Quoted(field.name) +
                      " mezőbe írt szöveg olyan karaktert tartalmaz, amelyet a táblafájl nem tud "
                      "tárolni.");
        }
        const std::string_view kept = field.width > 0 ? CutToCodePoints(text, field.width) : text;
        return impl.StoreValue(field_, Value{false, 0, std::string(kept)});
      }
      case FieldKind::kInteger: {
        int64_t number;
        if (!ParseInteger(text, number)) ThrowNotAnInteger(text);
        return impl.StoreValue(field_, Value{false, ToInt32(number, field.name), {}});
      }
      case FieldKind::kBoolean: {
        bool flag;
        if (!ParseBoolean(text, flag)) ThrowWrongKind(field.name, "ezzel a szöveggel");
        return impl.StoreValue(field_, Value{false, flag ? 1 : 0, {}});
      }
      default:
        ThrowWrongKind(field.name, "szöveggel");
    }
  });
}

void FieldRef::SetAsBoolean(bool flag) {
  TableStore::Impl& impl = *store_->impl_;
  CancelOnFailure(impl, [&] {
    impl.CheckWritable(field_);
    switch (impl.data.types[field_].kind) {
      case FieldKind::kBoolean:
        return impl.StoreValue(field_, Value{false, flag ? 1 : 0, {}});
      case FieldKind::kString:
        return SetAsString(BooleanText(flag));
      default:
        ThrowWrongKind(impl.data.fields[field_].name, "logikai értékkel");
    }
  });
}

void FieldRef::SetAsDateTime(double day_count) {
  TableStore::Impl& impl = *store_->impl_;
  CancelOnFailure(impl, [&] {
    impl.CheckWritable(field_);
    if (impl.data.types[field_].kind != FieldKind::kDate) {
      ThrowWrongKind(impl.data.fields[field_].name, "dátummal");
    }
    impl.StoreValue(field_, Value{false, CalendarDay(day_count), {}});
  });
}

void FieldRef::Clear() {
  TableStore::Impl& impl = *store_->impl_;
  CancelOnFailure(impl, [&] {
    impl.CheckWritable(field_);
    impl.StoreValue(field_, Value{});
  });
}

}  // namespace kvadrix::tables
