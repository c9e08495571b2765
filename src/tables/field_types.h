#pragma once
// The field types a table file may declare, and how field names are matched.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table_store.h"

namespace kvadrix::tables {

struct FieldType {
  FieldKind kind;
  bool writable;  // only the four kinds the program's own tables use take new values
};

// Matched without regard to case; nullopt for a type the reader does not accept.
std::optional<FieldType> ClassifyFieldType(std::string_view fieldtype);

// Integer, Date and Boolean values are held as numbers, the others as text.
inline bool HeldAsNumber(FieldKind kind) {
  return kind == FieldKind::kInteger || kind == FieldKind::kDate || kind == FieldKind::kBoolean;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Index of the field with that name, ignoring case; -1 when none.
int FindField(const std::vector<FieldDef>& fields, std::string_view name);

std::string AttrNameOf(const FieldDef& field);

}  // namespace kvadrix::tables
