#include "solver/techniques.h"

#include <bit>

#include "board/cells.h"

namespace kvadrix::solver {

using board::CandidateGrid;
using board::DigitBit;
using board::DigitMask;

namespace {

int LineCell(LineKind kind, int line, int position) {
  return kind == LineKind::kRows ? board::CellIndex(line, position)
                                 : board::CellIndex(position, line);
}

bool IsMulti(DigitMask mask) { return (mask & (mask - 1)) != 0; }

int LowestDigit(DigitMask mask) { return std::countr_zero(mask); }

// The counts the techniques act on, one bit per digit: seen at least once, twice, thrice.
struct BitTally {
  DigitMask once = 0, twice = 0;

  void Add(DigitMask entry) {
    twice |= once & entry;
    once |= entry;
  }
  DigitMask ExactlyOnce() const { return once & DigitMask(~twice); }
};

template <class Tally>
void ScanLineInto(CandidateGrid& grid, const AidSwitches& switches, LineKind kind, int line,
                  bool apply_single_candidate, Tally& tally, bool& changed) {
  for (int p = 1; p <= 9; ++p) {
    const DigitMask copy = grid.MaskAt(LineCell(kind, line, p));
    if (copy == 0) continue;
    if (apply_single_candidate && switches.single_candidate) {
      PropagateSingleCandidate(grid, kind, line, p, changed);
    }
    tally.Add(copy);
  }
}

// Removes every digit of `digits` from the line outside positions start..start+2.
void EliminateOutsideBox(CandidateGrid& grid, LineKind kind, int line, int start, DigitMask digits,
                         bool& changed) {
  for (int i = 1; i <= 9; ++i) {
    if (i >= start && i <= start + 2) continue;
    const int cell = LineCell(kind, line, i);
    const DigitMask mask = grid.MaskAt(cell);
    if (mask & digits) {
      grid.SetMaskAt(cell, mask & DigitMask(~digits));
      changed = true;
    }
  }
}

}  // namespace

void ApplyTechniques(CandidateGrid& grid, const AidSwitches& switches) {
  bool lines_changed;
  do {
    lines_changed = false;
    bool ignored = false;  // Single Position repeats inside its own pass
    if (switches.single_position) SinglePositionPass(grid, switches, ignored);
    if (switches.candidate_lines) CandidateLinesPass(grid, lines_changed);
  } while (lines_changed);
}

void SinglePositionPass(CandidateGrid& grid, const AidSwitches& switches, bool& changed) {
  bool any_change;
  do {
    any_change = false;
    for (int box = 1; box <= 9; ++box) BoxSinglePositions(grid, switches, box, any_change);
    LineSinglePositions(grid, switches, LineKind::kColumns, any_change);
    LineSinglePositions(grid, switches, LineKind::kRows, any_change);
    if (any_change) changed = true;
  } while (any_change);
}

void BoxSinglePositions(CandidateGrid& grid, const AidSwitches& switches, int box, bool& changed) {
  const auto cells = board::BoxCells(box);
  BitTally tally;
  for (int cell : cells) {
    const DigitMask copy = grid.MaskAt(cell);
    if (copy == 0) continue;
    if (switches.single_candidate && !IsMulti(copy)) {
      // Inside the box this narrowing is not reported as a change.
      const int digit = LowestDigit(copy);
      for (int other : cells) {
        if (IsMulti(grid.MaskAt(other))) grid.RemoveAt(other, digit);
      }
    }
    tally.Add(copy);  // counted as it was when reached
  }
  for (DigitMask once = tally.ExactlyOnce(); once; once &= DigitMask(once - 1)) {
    const int digit = LowestDigit(once);
    for (int cell : cells) {
      const DigitMask mask = grid.MaskAt(cell);
      if (IsMulti(mask) && (mask & DigitBit(digit))) {
        grid.SetMaskAt(cell, DigitBit(digit));
        changed = true;
        return;  // one fix per box per call
      }
    }
  }
}

void LineSinglePositions(CandidateGrid& grid, const AidSwitches& switches, LineKind kind,
                         bool& changed) {
  for (int line = 1; line <= 9; ++line) {
    BitTally tally;
    ScanLineInto(grid, switches, kind, line, true, tally, changed);
    for (DigitMask once = tally.ExactlyOnce(); once; once &= DigitMask(once - 1)) {
      const int digit = LowestDigit(once);
      for (int p = 1; p <= 9; ++p) {
        const int cell = LineCell(kind, line, p);
        const DigitMask mask = grid.MaskAt(cell);
        if (IsMulti(mask) && (mask & DigitBit(digit))) {
          grid.SetMaskAt(cell, DigitBit(digit));
          changed = true;
          break;
        }
      }
    }
  }
}

void ScanLine(CandidateGrid& grid, const AidSwitches& switches, LineKind kind, int line,
              bool apply_single_candidate, DigitTally& tally, bool& changed) {
  ScanLineInto(grid, switches, kind, line, apply_single_candidate, tally, changed);
}

void PropagateSingleCandidate(CandidateGrid& grid, LineKind kind, int line, int position,
                              bool& changed) {
  const DigitMask mask = grid.MaskAt(LineCell(kind, line, position));
  if (mask == 0 || IsMulti(mask)) return;
  const int digit = LowestDigit(mask);
  for (int q = 1; q <= 9; ++q) {
    const int cell = LineCell(kind, line, q);
    if (IsMulti(grid.MaskAt(cell)) && grid.RemoveAt(cell, digit)) changed = true;
  }
}

void CandidateLinesPass(CandidateGrid& grid, bool& changed) {
  bool pass_changed;
  do {
    pass_changed = false;
    for (int box = 1; box <= 9; ++box) BoxCandidateLines(grid, box, pass_changed);
    if (pass_changed) changed = true;
  } while (pass_changed);
}

void BoxCandidateLines(CandidateGrid& grid, int box, bool& changed) {
  const int r0 = board::BoxFirstRow(box), c0 = board::BoxFirstCol(box);
  // Removals land outside the box only, so the box's counts hold for the whole call and
  // every digit can be handled at once.
  BitTally tally;
  DigitMask in_row[3]{}, in_col[3]{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const DigitMask mask = grid.MaskAt(board::CellIndex(r0 + i, c0 + j));
      tally.Add(mask);
      in_row[i] |= mask;
      in_col[j] |= mask;
    }
  }
  const DigitMask two_or_more = tally.twice;  // a line segment holds at most three
  for (int i = 0; i < 3; ++i) {
    const DigitMask only_here = in_row[i] & DigitMask(~(in_row[(i + 1) % 3] | in_row[(i + 2) % 3]));
    if (only_here & two_or_more) {
      EliminateOutsideBox(grid, LineKind::kRows, r0 + i, c0, only_here & two_or_more, changed);
    }
  }
  for (int j = 0; j < 3; ++j) {
    const DigitMask only_here = in_col[j] & DigitMask(~(in_col[(j + 1) % 3] | in_col[(j + 2) % 3]));
    if (only_here & two_or_more) {
      EliminateOutsideBox(grid, LineKind::kColumns, c0 + j, r0, only_here & two_or_more, changed);
    }
  }
}

void EliminateAlongLine(CandidateGrid& grid, LineKind kind, int count_in_line, int count_in_box,
                        int digit, int line, int start, bool& changed) {
  if (count_in_line != count_in_box || (count_in_box != 2 && count_in_box != 3)) return;
  EliminateOutsideBox(grid, kind, line, start, DigitBit(digit), changed);
}

}  // namespace kvadrix::solver
