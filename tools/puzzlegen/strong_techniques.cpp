#include "puzzlegen/strong_techniques.h"

#include <array>
#include <bit>
#include <cstdint>

#include "board/units.h"

namespace kvadrix::puzzlegen {
namespace {

using board::CandidateGrid;
using board::DigitBit;
using board::DigitMask;
using board::kUnits;
using board::UnitCells;

// Rows, columns, boxes: 27 units.
constexpr std::array<UnitCells, 27> AllUnits() {
  std::array<UnitCells, 27> units{};
  for (int k = 0; k < 9; ++k) {
    units[k] = kUnits.rows[k];
    units[9 + k] = kUnits.cols[k];
    units[18 + k] = kUnits.boxes[k];
  }
  return units;
}
constexpr std::array<UnitCells, 27> kAllUnits = AllUnits();

// Bit p set when position p (0..8) of the unit holds the digit.
uint16_t Holders(const CandidateGrid& grid, const UnitCells& unit, int digit) {
  uint16_t holders = 0;
  for (int p = 0; p < 9; ++p) {
    if (grid.MaskAt(unit[p]) & DigitBit(digit)) holders |= uint16_t(1u << p);
  }
  return holders;
}

bool RemoveMask(CandidateGrid& grid, int cell, DigitMask digits) {
  const DigitMask before = grid.MaskAt(cell);
  grid.SetMaskAt(cell, before & DigitMask(~digits));
  return grid.MaskAt(cell) != before;
}

// Calls visit(a, b[, c]) for every ascending choice of `size` items of 0..n-1.
template <typename Visit>
void ForEachChoice(int n, int size, Visit visit) {
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b) {
      if (size == 2) {
        visit(std::array<int, 3>{a, b, -1});
        continue;
      }
      for (int c = b + 1; c < n; ++c) visit(std::array<int, 3>{a, b, c});
    }
  }
}

bool NakedSubsetsIn(CandidateGrid& grid, const UnitCells& unit, int size) {
  std::array<int, 9> pool{};
  int n = 0;
  for (int p = 0; p < 9; ++p) {
    const int count = std::popcount(grid.MaskAt(unit[p]));
    if (count >= 2 && count <= size) pool[n++] = p;
  }
  bool changed = false;
  ForEachChoice(n, size, [&](const std::array<int, 3>& pick) {
    DigitMask digits = 0;
    uint16_t members = 0;
    for (int i = 0; i < size; ++i) {
      digits |= grid.MaskAt(unit[pool[pick[i]]]);
      members |= uint16_t(1u << pool[pick[i]]);
    }
    if (std::popcount(digits) != size) return;
    for (int p = 0; p < 9; ++p) {
      if (!(members >> p & 1)) changed |= RemoveMask(grid, unit[p], digits);
    }
  });
  return changed;
}

bool HiddenSubsetsIn(CandidateGrid& grid, const UnitCells& unit, int size) {
  std::array<uint16_t, 10> holders{};
  std::array<int, 9> pool{};
  int n = 0;
  for (int d = 1; d <= 9; ++d) {
    holders[d] = Holders(grid, unit, d);
    const int count = std::popcount(holders[d]);
    if (count >= 2 && count <= size) pool[n++] = d;
  }
  bool changed = false;
  ForEachChoice(n, size, [&](const std::array<int, 3>& pick) {
    uint16_t cells = 0;
    DigitMask digits = 0;
    for (int i = 0; i < size; ++i) {
      cells |= holders[pool[pick[i]]];
      digits |= DigitBit(pool[pick[i]]);
    }
    if (std::popcount(cells) != size) return;
    for (int p = 0; p < 9; ++p) {
      if (cells >> p & 1) changed |= RemoveMask(grid, unit[p], DigitMask(~digits));
    }
  });
  return changed;
}

// X-wing with `base` lines (rows or columns) and `cover` the crossing lines.
bool XWingOn(CandidateGrid& grid, const std::array<UnitCells, 9>& base,
             const std::array<UnitCells, 9>& cover) {
  bool changed = false;
  for (int d = 1; d <= 9; ++d) {
    std::array<uint16_t, 9> holders{};
    for (int k = 0; k < 9; ++k) holders[k] = Holders(grid, base[k], d);
    for (int a = 0; a < 9; ++a) {
      if (std::popcount(holders[a]) != 2) continue;
      for (int b = a + 1; b < 9; ++b) {
        if (holders[b] != holders[a]) continue;
        for (int p = 0; p < 9; ++p) {
          if (!(holders[a] >> p & 1)) continue;
          // Position p of a base line lies on cover line p; positions a and b stay.
          for (int q = 0; q < 9; ++q) {
            if (q != a && q != b) changed |= grid.RemoveAt(cover[p][q], d);
          }
        }
      }
    }
  }
  return changed;
}

}  // namespace

bool ClaimLineToBox(CandidateGrid& grid) {
  bool changed = false;
  for (int k = 0; k < 18; ++k) {
    const UnitCells& line = kAllUnits[k];
    const uint32_t line_bit = 1u << k;
    for (int d = 1; d <= 9; ++d) {
      const uint16_t holders = Holders(grid, line, d);
      if (std::popcount(holders) < 2) continue;
      // Three positions in a row of the line share a box.
      int box_part = -1;
      for (int part = 0; part < 3; ++part) {
        if (holders & ~(0x7u << (3 * part))) continue;
        box_part = part;
      }
      if (box_part < 0) continue;
      const int box = std::countr_zero(kUnits.of_cell[line[3 * box_part]] >> 18);
      for (int cell : kUnits.boxes[box]) {
        if (!(kUnits.of_cell[cell] & line_bit)) changed |= grid.RemoveAt(cell, d);
      }
    }
  }
  return changed;
}

bool NakedSubsets(CandidateGrid& grid, int size) {
  bool changed = false;
  for (const UnitCells& unit : kAllUnits) changed |= NakedSubsetsIn(grid, unit, size);
  return changed;
}

bool HiddenSubsets(CandidateGrid& grid, int size) {
  bool changed = false;
  for (const UnitCells& unit : kAllUnits) changed |= HiddenSubsetsIn(grid, unit, size);
  return changed;
}

bool XWing(CandidateGrid& grid) {
  const bool by_rows = XWingOn(grid, kUnits.rows, kUnits.cols);
  const bool by_cols = XWingOn(grid, kUnits.cols, kUnits.rows);
  return by_rows || by_cols;
}

bool ApplyStrongTechnique(CandidateGrid& grid) {
  return ClaimLineToBox(grid) || NakedSubsets(grid, 2) || HiddenSubsets(grid, 2) ||
         NakedSubsets(grid, 3) || HiddenSubsets(grid, 3) || XWing(grid);
}

}  // namespace kvadrix::puzzlegen
