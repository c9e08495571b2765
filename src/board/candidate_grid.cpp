#include "board/candidate_grid.h"

namespace kvadrix::board {
namespace {

// Every possible entry spelt out once, so handing out a label text costs nothing.
struct TextTable {
  std::array<std::array<char, 9>, 512> chars{};
  std::array<uint8_t, 512> lengths{};

  constexpr TextTable() {
    for (int bits = 0; bits < 512; ++bits) {
      for (int d = 1; d <= 9; ++d) {
        if (bits & (1 << (d - 1))) chars[bits][lengths[bits]++] = char('0' + d);
      }
    }
  }
};

constexpr TextTable kTexts;

}  // namespace

std::string_view CandidateText(DigitMask mask) {
  const int bits = (mask & kAllDigits) >> 1;
  return {kTexts.chars[bits].data(), kTexts.lengths[bits]};
}

int CandidateGrid::SingleDigit(int row, int col) const {
  const DigitMask mask = Mask(row, col);
  return std::has_single_bit(mask) ? std::countr_zero(mask) : 0;
}

}  // namespace kvadrix::board
