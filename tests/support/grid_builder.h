#pragma once
// Crafted candidate grids for the technique tests.
#include <initializer_list>
#include <string_view>

#include "board/candidate_grid.h"

namespace kvadrix::testing {

struct EntryAt {
  int row;
  int col;
  std::string_view digits;  // e.g. "478"
};

inline board::DigitMask MaskOf(std::string_view digits) {
  board::DigitMask mask = 0;
  for (char c : digits) mask |= board::DigitBit(c - '0');
  return mask;
}

// Every entry empty (as if the cell were filled) except the listed ones.
inline board::CandidateGrid GridOf(std::initializer_list<EntryAt> entries) {
  board::CandidateGrid grid;
  for (int i = 0; i < board::kCellCount; ++i) grid.SetMaskAt(i, 0);
  for (const EntryAt& e : entries) grid.SetMaskAt(board::CellIndex(e.row, e.col), MaskOf(e.digits));
  return grid;
}

}  // namespace kvadrix::testing
