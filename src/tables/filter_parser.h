#pragma once
// The filter expressions of the store: comparisons of a field with a constant, joined by "and".
//   NEVKOD=3 and JATEKKOD=10005     Nehezseg='E'     NEV ='O''Brien'     ID<60001
#include <string>
#include <string_view>
#include <vector>

namespace kvadrix::tables {

enum class FilterOp { kEqual, kLess };

struct FilterCondition {
  std::string field;  // as written; matched against the fields without regard to case
  FilterOp op;
  bool quoted;           // a string between apostrophes; otherwise a decimal integer
  std::string constant;  // apostrophes undoubled, cut to 255 characters
};

inline constexpr size_t kMaxFilterStringChars = 255;

// Throws kvadrix::Error for a malformed expression; a blank text gives no condition.
std::vector<FilterCondition> ParseFilter(std::string_view text);

}  // namespace kvadrix::tables
