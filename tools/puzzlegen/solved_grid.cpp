#include "puzzlegen/solved_grid.h"

#include <array>
#include <numeric>
#include <span>
#include <utility>

#include "common/error.h"

namespace kvadrix::puzzlegen {
namespace {

// Bands (or stacks) in random order, and the three lines inside each in random order.
std::array<int, 9> ShuffledLines(Rng& rng) {
  std::array<int, 3> bands{0, 1, 2};
  rng.Shuffle(std::span(bands));
  std::array<int, 9> lines{};
  for (int b = 0; b < 3; ++b) {
    std::array<int, 3> inner{0, 1, 2};
    rng.Shuffle(std::span(inner));
    for (int i = 0; i < 3; ++i) lines[b * 3 + i] = bands[b] * 3 + inner[i];
  }
  return lines;
}

}  // namespace

solver::Grid81 RandomSolvedGrid(Rng& rng) {
  solver::Grid81 seed_grid{};
  for (int box = 0; box < 3; ++box) {
    std::array<uint8_t, 9> digits{};
    std::iota(digits.begin(), digits.end(), uint8_t{1});
    rng.Shuffle(std::span(digits));
    for (int i = 0; i < 9; ++i) seed_grid[(box * 3 + i / 3) * 9 + box * 3 + i % 3] = digits[i];
  }
  solver::Grid81 filled{};
  if (solver::CountSolutions(seed_grid, 1, &filled) != 1) {
    throw Error("A kitöltött rács előállítása nem sikerült.");
  }

  std::array<uint8_t, 10> relabel{};
  std::iota(relabel.begin(), relabel.end(), uint8_t{0});
  rng.Shuffle(std::span(relabel).subspan(1));
  const std::array<int, 9> rows = ShuffledLines(rng);
  const std::array<int, 9> cols = ShuffledLines(rng);
  const bool transpose = rng.Below(2) == 1;
  solver::Grid81 grid{};
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      int from_r = rows[r], from_c = cols[c];
      if (transpose) std::swap(from_r, from_c);
      grid[r * 9 + c] = relabel[filled[from_r * 9 + from_c]];
    }
  }
  return grid;
}

}  // namespace kvadrix::puzzlegen
