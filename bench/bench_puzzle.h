#pragma once
// The start position the benchmarks share: 25 givens, one solution, and every empty cell
// decided once all three techniques have run (the most technique work for a start).
#include <string_view>

namespace kvadrix::bench {

// Row, column, digit triples, as a puzzle record holds them.
inline constexpr std::string_view kGivens25 =
    "117168181252314349373448459472532554589631693726737742753915939941967974983";

}  // namespace kvadrix::bench
