#include "solver/exact_solver.h"

#include <bit>

namespace kvadrix::solver {
namespace {

constexpr uint16_t kAll = 0x3FE;  // bits 1..9

struct Search {
  Grid81 grid{};
  uint16_t row[9]{}, col[9]{}, box[9]{};  // digits used
  int count = 0;
  int limit = 0;
  Grid81* solution = nullptr;

  static int BoxOf(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }

  bool Place(int cell, int d) {
    const uint16_t bit = uint16_t(1u << d);
    const int r = cell / 9, c = cell % 9, b = BoxOf(cell);
    if ((row[r] | col[c] | box[b]) & bit) return false;
    row[r] |= bit;
    col[c] |= bit;
    box[b] |= bit;
    grid[cell] = uint8_t(d);
    return true;
  }

  void Unplace(int cell, int d) {
    const uint16_t mask = uint16_t(~(1u << d));
    row[cell / 9] &= mask;
    col[cell % 9] &= mask;
    box[BoxOf(cell)] &= mask;
    grid[cell] = 0;
  }

  void Run() {
    int best = -1;
    uint16_t best_options = 0;
    int best_count = 10;
    for (int cell = 0; cell < 81; ++cell) {
      if (grid[cell]) continue;
      const uint16_t options = kAll & uint16_t(~(row[cell / 9] | col[cell % 9] | box[BoxOf(cell)]));
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
    for (uint16_t options = best_options; options && count < limit; options &= options - 1) {
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
  for (int cell = 0; cell < 81; ++cell) {
    const int d = givens[cell];
    if (d == 0) continue;
    if (d > 9 || !search.Place(cell, d)) return 0;
  }
  search.Run();
  return search.count;
}

}  // namespace kvadrix::solver
