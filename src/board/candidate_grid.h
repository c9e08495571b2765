#pragma once
// The candidate digits of every cell. An entry is held as a bit mask (bit d = digit d), which
// keeps the digits ascending and unique by construction; Text() gives the entry as the ordered
// string the labels show ("1289").
#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

#include "board/cells.h"

namespace kvadrix::board {

using DigitMask = uint16_t;
inline constexpr DigitMask kAllDigits = 0x3FE;  // bits 1..9

constexpr DigitMask DigitBit(int digit) { return DigitMask(1u << digit); }

// The ordered text of a mask, e.g. "1289"; a view into a static table, never dangling.
std::string_view CandidateText(DigitMask mask);

class CandidateGrid {
 public:
  CandidateGrid() { Reset(); }

  // Every entry "123456789".
  void Reset() { masks_.fill(kAllDigits); }

  DigitMask Mask(int row, int col) const { return masks_[CellIndex(row, col)]; }
  std::string_view Text(int row, int col) const { return CandidateText(Mask(row, col)); }
  int Length(int row, int col) const { return std::popcount(Mask(row, col)); }
  bool Contains(int row, int col, int digit) const { return Mask(row, col) & DigitBit(digit); }
  // The digit of a single-candidate entry, otherwise 0.
  int SingleDigit(int row, int col) const;

  void Fill(int row, int col) { masks_[CellIndex(row, col)] = kAllDigits; }
  void Clear(int row, int col) { masks_[CellIndex(row, col)] = 0; }
  // Cuts the entry down to the one digit.
  void Fix(int row, int col, int digit) { masks_[CellIndex(row, col)] = DigitBit(digit); }
  // Deletes the digit when the entry holds it; reports whether it did.
  bool Remove(int row, int col, int digit) { return RemoveAt(CellIndex(row, col), digit); }

  // Index-based access for the solver's inner loops.
  DigitMask MaskAt(int index) const { return masks_[index]; }
  void SetMaskAt(int index, DigitMask mask) { masks_[index] = mask & kAllDigits; }
  bool RemoveAt(int index, int digit) {
    const DigitMask bit = DigitBit(digit);
    const bool had = masks_[index] & bit;
    masks_[index] &= DigitMask(~bit);
    return had;
  }

  friend bool operator==(const CandidateGrid&, const CandidateGrid&) = default;

 private:
  std::array<DigitMask, kCellCount> masks_;
};

}  // namespace kvadrix::board
