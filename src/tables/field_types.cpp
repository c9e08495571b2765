#include "tables/field_types.h"

#include <array>

namespace kvadrix::tables {
namespace {

struct KnownType {
  std::string_view name;
  FieldType type;
};

constexpr std::array<KnownType, 18> kKnownTypes = {{
    {"i4", {FieldKind::kInteger, true}},
    {"string", {FieldKind::kString, true}},
    {"date", {FieldKind::kDate, true}},
    {"boolean", {FieldKind::kBoolean, true}},
    {"string.uni", {FieldKind::kString, true}},
    {"i1", {FieldKind::kInteger, false}},
    {"i2", {FieldKind::kInteger, false}},
    {"i8", {FieldKind::kInteger, false}},
    {"ui1", {FieldKind::kInteger, false}},
    {"ui2", {FieldKind::kInteger, false}},
    {"ui4", {FieldKind::kInteger, false}},
    {"r8", {FieldKind::kReadOnly, false}},
    {"fixed", {FieldKind::kReadOnly, false}},
    {"fixedFMT", {FieldKind::kReadOnly, false}},
    {"time", {FieldKind::kReadOnly, false}},
    {"dateTime", {FieldKind::kReadOnly, false}},
    {"SQLdateTime", {FieldKind::kReadOnly, false}},
    {"bin.hex", {FieldKind::kReadOnly, false}},
}};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool NeedsUnderscore(char c) {
  switch (c) {
    case ' ':
    case '!':
    case '#':
    case '$':
    case '%':
    case '(':
    case ')':
    case '*':
    case '?':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::optional<FieldType> ClassifyFieldType(std::string_view fieldtype) {
  for (const KnownType& known : kKnownTypes) {
    if (EqualsIgnoreCase(known.name, fieldtype)) return known.type;
  }
  return std::nullopt;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

int FindField(const std::vector<FieldDef>& fields, std::string_view name) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (EqualsIgnoreCase(fields[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

std::string AttrNameOf(const FieldDef& field) {
  if (!field.attrname.empty()) return field.attrname;
  std::string attrname = field.name;
  for (char& c : attrname) {
    if (NeedsUnderscore(c)) c = '_';
  }
  return attrname;
}

FieldKind FieldDef::Kind() const {
  const std::optional<FieldType> type = ClassifyFieldType(fieldtype);
  return type ? type->kind : FieldKind::kReadOnly;
}

FieldDef IntegerField(std::string_view name) {
  return FieldDef{std::string(name), "", "i4", 0, {}};
}

FieldDef StringField(std::string_view name, int width) {
  return FieldDef{std::string(name), "", "string", width, {}};
}

FieldDef DateField(std::string_view name) { return FieldDef{std::string(name), "", "date", 0, {}}; }

FieldDef BooleanField(std::string_view name) {
  return FieldDef{std::string(name), "", "boolean", 0, {}};
}

}  // namespace kvadrix::tables
