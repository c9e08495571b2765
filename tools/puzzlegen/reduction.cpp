#include "puzzlegen/reduction.h"

#include <array>
#include <numeric>
#include <span>

#include "puzzlegen/grading.h"

namespace kvadrix::puzzlegen {

solver::Grid81 ReduceGivens(solver::Grid81 givens, Rng& rng, const Reduction& reduction,
                            const PuzzleTest& keep) {
  std::array<int, 81> order{};
  std::iota(order.begin(), order.end(), 0);
  rng.Shuffle(std::span(order));
  int count = CountGivens(givens);
  for (int cell : order) {
    if (reduction.target > 0 && count <= reduction.target) break;
    const int partner = reduction.symmetric ? 80 - cell : cell;
    if (givens[cell] == 0 || givens[partner] == 0) continue;
    const uint8_t digit = givens[cell], partner_digit = givens[partner];
    givens[cell] = givens[partner] = 0;
    if (keep(givens)) {
      count -= cell == partner ? 1 : 2;
    } else {
      givens[cell] = digit;
      givens[partner] = partner_digit;
    }
  }
  return givens;
}

bool HasOneSolution(const solver::Grid81& givens) { return solver::CountSolutions(givens, 2) == 1; }

}  // namespace kvadrix::puzzlegen
