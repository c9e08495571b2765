#include "solver/exact_solver.h"

#include <bit>

#include "board/candidate_grid.h"
#include "board/units.h"

namespace kvadrix::solver {
namespace {

using board::DigitBit;
using board::DigitMask;
using board::kAllDigits;
using board::kUnits;

struct Search {
  Grid81 grid{};
  DigitMask row[9]{}, col[9]{}, box[9]{};  // digits used
  int count = 0;
  int limit = 0;
  Grid81* solution = nullptr;

  DigitMask Used(int cell) const {
    return row[kUnits.row_of[cell]] | col[kUnits.col_of[cell]] | box[kUnits.box_of[cell]];
  }

  bool Place(int cell, int d) {
    const DigitMask bit = DigitBit(d);
    if (Used(cell) & bit) return false;
    row[kUnits.row_of[cell]] |= bit;
    col[kUnits.col_of[cell]] |= bit;
    box[kUnits.box_of[cell]] |= bit;
    grid[cell] = uint8_t(d);
    return true;
  }

  void Unplace(int cell, int d) {
    const DigitMask keep = DigitMask(~DigitBit(d));
    row[kUnits.row_of[cell]] &= keep;
    col[kUnits.col_of[cell]] &= keep;
    box[kUnits.box_of[cell]] &= keep;
    grid[cell] = 0;
  }

  void Run() {
    int best = -1;
    DigitMask best_options = 0;
    int best_count = 10;
    for (int cell = 0; cell < board::kCellCount; ++cell) {
      if (grid[cell]) continue;
      const DigitMask options = kAllDigits & DigitMask(~Used(cell));
      const int n = std::popcount(options);
      if (n < best_count) {
        best = cell;
        best_options = options;
        best_count = n;
        if (n <= 1) break;
      }
    }
    if (best < 0) {
      if (count++ == 0 && solution) *solution = grid;
      return;
    }
    for (DigitMask options = best_options; options && count < limit; options &= options - 1) {
      const int d = std::countr_zero(options);
      Place(best, d);
      Run();
      Unplace(best, d);
    }
  }
};

}  // namespace

int CountSolutions(const Grid81& givens, int limit, Grid81* solution) {
  Search search;
  search.limit = limit;
  search.solution = solution;
  for (int cell = 0; cell < board::kCellCount; ++cell) {
    const int d = givens[cell];
    if (d == 0) continue;
    if (d > 9 || !search.Place(cell, d)) return 0;
  }
  search.Run();
  return search.count;
}

}  // namespace kvadrix::solver
