#include "puzzle_factory.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace kvadrix::testing {
namespace {

// Bands (or stacks) in random order, and the three lines inside each in random order.
std::array<int, 9> ShuffledLines(std::mt19937& rng) {
  std::array<int, 3> bands{0, 1, 2};
  std::shuffle(bands.begin(), bands.end(), rng);
  std::array<int, 9> lines{};
  for (int b = 0; b < 3; ++b) {
    std::array<int, 3> inner{0, 1, 2};
    std::shuffle(inner.begin(), inner.end(), rng);
    for (int i = 0; i < 3; ++i) lines[b * 3 + i] = bands[b] * 3 + inner[i];
  }
  return lines;
}

solver::Grid81 RandomSolvedGrid(std::mt19937& rng) {
  std::array<int, 10> digits{};
  std::iota(digits.begin(), digits.end(), 0);
  std::shuffle(digits.begin() + 1, digits.end(), rng);
  const auto rows = ShuffledLines(rng);
  const auto cols = ShuffledLines(rng);
  const bool transpose = rng() & 1;
  solver::Grid81 grid{};
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      int br = rows[r], bc = cols[c];
      if (transpose) std::swap(br, bc);
      grid[r * 9 + c] = uint8_t(digits[(3 * (br % 3) + br / 3 + bc) % 9 + 1]);
    }
  }
  return grid;
}

}  // namespace

GeneratedPuzzle MakePuzzle(std::mt19937& rng) {
  GeneratedPuzzle puzzle;
  puzzle.solution = RandomSolvedGrid(rng);
  puzzle.givens = puzzle.solution;
  std::array<int, 81> order{};
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), rng);
  for (int cell : order) {
    const uint8_t digit = puzzle.givens[cell];
    puzzle.givens[cell] = 0;
    if (solver::CountSolutions(puzzle.givens, 2) != 1) puzzle.givens[cell] = digit;
  }
  for (int cell = 0; cell < 81; ++cell) {
    if (puzzle.givens[cell] == 0) continue;
    puzzle.mezok += char('1' + cell / 9);
    puzzle.mezok += char('1' + cell % 9);
    puzzle.mezok += char('0' + puzzle.givens[cell]);
  }
  return puzzle;
}

}  // namespace kvadrix::testing
