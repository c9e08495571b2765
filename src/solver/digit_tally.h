#pragma once
// Nine counters by digit, scratch for every count over a unit. Reset before each use.
#include <array>
#include <cstdint>

#include "board/candidate_grid.h"

namespace kvadrix::solver {

struct DigitTally {
  std::array<uint8_t, 10> count{};  // index 1..9; 0 unused

  uint8_t operator[](int digit) const { return count[digit]; }
  // One more for each digit of the entry.
  void Add(board::DigitMask entry) {
    for (int d = 1; d <= 9; ++d) count[d] += (entry >> d) & 1;
  }
};

void ResetDigitTally(DigitTally& tally);

}  // namespace kvadrix::solver
