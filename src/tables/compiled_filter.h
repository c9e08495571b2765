#pragma once
// A filter expression bound to the fields of a table, ready to test records. It is built once
// when the filter is set, so testing a record does no parsing and no name look-ups.
#include <cstdint>
#include <string>
#include <vector>

#include "tables/filter_parser.h"
#include "tables/table_data.h"

namespace kvadrix::tables {

class CompiledFilter {
 public:
  // Throws kvadrix::Error for a field name no field has, or a constant that cannot be compared
  // with its field (text against an Integer field).
  static CompiledFilter Compile(const std::vector<FilterCondition>& conditions,
                                const std::vector<FieldDef>& fields,
                                const std::vector<FieldType>& types);

  bool Empty() const { return terms_.empty(); }
  // Every condition must hold; a null value satisfies none.
  bool Matches(const TableData& data, uint32_t record) const;

 private:
  struct Term {
    int field;
    FilterOp op;
    FieldKind kind;
    bool numeric;  // Integer fields compare numbers
    int64_t number = 0;
    std::string text;         // the other kinds compare their text exactly, case included
    size_t prefix_chars = 0;  // "abc*": only that many leading characters of the value count
  };

  bool Holds(const Term& term, const Column& column, uint32_t record) const;

  std::vector<Term> terms_;
};

}  // namespace kvadrix::tables
