#pragma once
// The start position the benchmarks share: 25 givens, one solution.
#include <string_view>

#include "board/game_state.h"
#include "solver/exact_solver.h"

namespace kvadrix::bench {

// Row, column, digit triples, as a puzzle record holds them.
inline constexpr std::string_view kGivens25 =
    "117168181252314349373448459472532554589631693726737742753915939941967974983";

}  // namespace kvadrix::bench
