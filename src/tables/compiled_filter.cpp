#include "tables/compiled_filter.h"

#include "common/error.h"
#include "tables/utf8.h"
#include "tables/value_text.h"

namespace kvadrix::tables {

CompiledFilter CompiledFilter::Compile(const std::vector<FilterCondition>& conditions,
                                       const std::vector<FieldDef>& fields,
                                       const std::vector<FieldType>& types) {
  CompiledFilter filter;
  for (const FilterCondition& condition : conditions) {
    const int field = FindField(fields, condition.field);
    if (field < 0) {
      throw Error("Hibás szűrőfeltétel: nincs \"" + condition.field + "\" nevű mező.");
    }
    Term term;
    term.field = field;
    term.op = condition.op;
    term.kind = types[field].kind;
    term.numeric = term.kind == FieldKind::kInteger;
    if (term.numeric) {
      if (!ParseInteger(condition.constant, term.number)) {
        throw Error("Hibás szűrőfeltétel: a(z) \"" + fields[field].name +
                    "\" mező egész szám, nem hasonlítható ehhez: \"" + condition.constant + "\".");
      }
    } else {
      term.text = condition.constant;
      const size_t chars = CountCodePoints(term.text);
      if (condition.quoted && chars >= 2 && term.text.back() == '*') {
        term.text.pop_back();
        term.prefix_chars = chars - 1;
      }
    }
    filter.terms_.push_back(std::move(term));
  }
  return filter;
}

bool CompiledFilter::Holds(const Term& term, const Column& column, uint32_t record) const {
  if (column.IsNull(record)) return false;
  if (term.numeric) {
    const int64_t value = column.Number(record);
    return term.op == FilterOp::kEqual ? value == term.number : value < term.number;
  }
  std::string converted;
  std::string_view value;
  if (column.HoldsNumbers()) {
    converted = ValueText(term.kind, column.Get(record));
    value = converted;
  } else {
    value = column.Text(record);
  }
  if (term.prefix_chars > 0) value = CutToCodePoints(value, term.prefix_chars);
  return term.op == FilterOp::kEqual ? value == term.text : value < term.text;
}

bool CompiledFilter::Matches(const TableData& data, uint32_t record) const {
  for (const Term& term : terms_) {
    if (!Holds(term, data.columns[term.field], record)) return false;
  }
  return true;
}

}  // namespace kvadrix::tables
