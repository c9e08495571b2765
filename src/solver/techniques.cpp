#include "solver/techniques.h"

#include <bit>
#include <cstdint>

#include "board/units.h"

namespace kvadrix::solver {

using board::CandidateGrid;
using board::DigitBit;
using board::DigitMask;
using board::kUnits;
using board::UnitCells;

namespace {

bool IsMulti(DigitMask mask) { return (mask & (mask - 1)) != 0; }

int LowestDigit(DigitMask mask) { return std::countr_zero(mask); }

const UnitCells& LineCells(LineKind kind, int line) {
  return kind == LineKind::kRows ? kUnits.rows[line - 1] : kUnits.cols[line - 1];
}

// The counts the techniques act on, one bit per digit: seen at least once, at least twice.
struct BitTally {
  DigitMask once = 0, twice = 0;

  void Add(DigitMask entry) {
    twice |= once & entry;
    once |= entry;
  }
  DigitMask ExactlyOnce() const { return once & DigitMask(~twice); }
};

// A unit's nine entries worked on in place and written back once. While a technique works on
// one unit, nothing else touches its cells.
struct UnitEntries {
  const UnitCells& cells;
  std::array<DigitMask, 9> masks;
  // Every digit held by a multi-candidate entry. Entries only shrink, so a value computed
  // earlier is still a superset: a cheap test before looking for holders.
  DigitMask held_by_multi = 0;
  uint16_t modified = 0;  // positions whose entry changed

  UnitEntries(const CandidateGrid& grid, const UnitCells& unit_cells) : cells(unit_cells) {
    for (int i = 0; i < 9; ++i) masks[i] = grid.MaskAt(cells[i]);
    for (DigitMask mask : masks) held_by_multi |= IsMulti(mask) ? mask : 0;
  }
  // Writes back the entries that changed and returns the units those cells belong to.
  uint32_t Store(CandidateGrid& grid) const {
    uint32_t touched = 0;
    for (uint16_t left = modified; left; left &= uint16_t(left - 1)) {
      const int i = std::countr_zero(left);
      grid.SetMaskAt(cells[i], masks[i]);
      touched |= kUnits.of_cell[cells[i]];
    }
    return touched;
  }
  // Removes the digit of a single-candidate entry from the multi-candidate ones.
  bool SpreadSingle(DigitMask single) {
    if (!(held_by_multi & single)) return false;
    uint16_t hit = 0;
    held_by_multi = 0;
    for (int i = 0; i < 9; ++i) {
      DigitMask& mask = masks[i];
      if (!IsMulti(mask)) continue;
      if (mask & single) {
        mask &= DigitMask(~single);
        hit |= uint16_t(1u << i);
      }
      held_by_multi |= IsMulti(mask) ? mask : 0;
    }
    modified |= hit;
    return hit != 0;
  }
  // Fixes the first multi-candidate entry holding the digit; reports whether there was one.
  bool FixFirstHolder(DigitMask digit) {
    if (!(held_by_multi & digit)) return false;
    for (int i = 0; i < 9; ++i) {
      if (IsMulti(masks[i]) && (masks[i] & digit)) {
        masks[i] = digit;
        modified |= uint16_t(1u << i);
        return true;
      }
    }
    return false;
  }
  // Tallies the entries as they are when reached, spreading single candidates first if asked.
  template <class Tally>
  void Scan(bool spread, Tally& tally, bool& changed) {
    for (DigitMask& entry : masks) {
      const DigitMask copy = entry;
      if (copy == 0) continue;
      if (spread && !IsMulti(copy) && SpreadSingle(copy)) changed = true;
      tally.Add(copy);
    }
  }
};

uint32_t BoxUnit(int box) { return kUnits.BoxBit(box); }
uint32_t LineUnit(LineKind kind, int line) {
  return kind == LineKind::kRows ? kUnits.RowBit(line) : kUnits.ColBit(line);
}
constexpr uint32_t kAllUnits = (1u << 27) - 1;

// Single Position in one box; returns `dirty` updated for the cells it changed, with the box
// itself clean when nothing changed.
uint32_t RescanBox(CandidateGrid& grid, const AidSwitches& switches, int box, bool& changed,
                   uint32_t dirty) {
  UnitEntries unit(grid, kUnits.boxes[box - 1]);
  if (!unit.held_by_multi) return dirty & ~BoxUnit(box);
  BitTally tally;
  bool ignored = false;  // inside the box, Single Candidate is not reported as a change
  unit.Scan(switches.single_candidate, tally, ignored);
  // Only digits some multi-candidate entry holds can be fixed.
  DigitMask once = tally.ExactlyOnce() & unit.held_by_multi;
  for (; once; once &= DigitMask(once - 1)) {
    if (unit.FixFirstHolder(DigitBit(LowestDigit(once)))) {
      changed = true;
      break;  // one fix per box per call
    }
  }
  const uint32_t touched = unit.Store(grid);
  return touched ? dirty | touched : dirty & ~BoxUnit(box);
}

// Single Position along one line, every qualifying digit; same return as RescanBox.
uint32_t RescanLine(CandidateGrid& grid, const AidSwitches& switches, LineKind kind, int line,
                    bool& changed, uint32_t dirty) {
  UnitEntries unit(grid, LineCells(kind, line));
  if (!unit.held_by_multi) return dirty & ~LineUnit(kind, line);
  BitTally tally;
  unit.Scan(switches.single_candidate, tally, changed);
  const DigitMask once = tally.ExactlyOnce() & unit.held_by_multi;
  for (DigitMask left = once; left; left &= DigitMask(left - 1)) {
    if (unit.FixFirstHolder(DigitBit(LowestDigit(left)))) changed = true;
  }
  const uint32_t touched = unit.Store(grid);
  return touched ? dirty | touched : dirty & ~LineUnit(kind, line);
}

// Removes the digits from the line outside positions start..start+2.
void EliminateOutsideBox(CandidateGrid& grid, LineKind kind, int line, int start, DigitMask digits,
                         bool& changed) {
  const UnitCells& cells = LineCells(kind, line);
  for (int i = 0; i < 9; ++i) {
    if (i >= start - 1 && i <= start + 1) continue;
    const DigitMask mask = grid.MaskAt(cells[i]);
    if (mask & digits) {
      grid.SetMaskAt(cells[i], mask & DigitMask(~digits));
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
  // A unit's scan depends on its nine entries alone: one that changed nothing is skipped
  // until one of its cells changes. The outcome is that of scanning every unit every time.
  uint32_t dirty = kAllUnits;
  bool any_change;
  do {
    any_change = false;
    for (int box = 1; box <= 9; ++box) {
      if (dirty & BoxUnit(box)) dirty = RescanBox(grid, switches, box, any_change, dirty);
    }
    for (LineKind kind : {LineKind::kColumns, LineKind::kRows}) {
      for (int line = 1; line <= 9; ++line) {
        const uint32_t unit = LineUnit(kind, line);
        if (dirty & unit) dirty = RescanLine(grid, switches, kind, line, any_change, dirty);
      }
    }
    if (any_change) changed = true;
  } while (any_change);
}

void BoxSinglePositions(CandidateGrid& grid, const AidSwitches& switches, int box, bool& changed) {
  RescanBox(grid, switches, box, changed, 0);
}

void LineSinglePositions(CandidateGrid& grid, const AidSwitches& switches, LineKind kind,
                         bool& changed) {
  for (int line = 1; line <= 9; ++line) RescanLine(grid, switches, kind, line, changed, 0);
}

void ScanLine(CandidateGrid& grid, const AidSwitches& switches, LineKind kind, int line,
              bool apply_single_candidate, DigitTally& tally, bool& changed) {
  UnitEntries unit(grid, LineCells(kind, line));
  unit.Scan(apply_single_candidate && switches.single_candidate, tally, changed);
  unit.Store(grid);
}

void PropagateSingleCandidate(CandidateGrid& grid, LineKind kind, int line, int position,
                              bool& changed) {
  UnitEntries unit(grid, LineCells(kind, line));
  const DigitMask mask = unit.masks[position - 1];
  if (mask == 0 || IsMulti(mask)) return;
  if (unit.SpreadSingle(mask)) changed = true;
  unit.Store(grid);
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
  // Removals land outside the box only, so its counts hold for the whole call and every
  // digit can be handled at once.
  const UnitEntries unit(grid, kUnits.boxes[box - 1]);
  BitTally tally;
  DigitMask in_row[3]{}, in_col[3]{};
  for (int i = 0; i < 9; ++i) {
    tally.Add(unit.masks[i]);
    in_row[i / 3] |= unit.masks[i];
    in_col[i % 3] |= unit.masks[i];
  }
  const DigitMask two_or_more = tally.twice;  // a line holds at most three cells of the box
  for (int i = 0; i < 3; ++i) {
    const DigitMask confined =
        two_or_more & in_row[i] & DigitMask(~(in_row[(i + 1) % 3] | in_row[(i + 2) % 3]));
    if (confined) EliminateOutsideBox(grid, LineKind::kRows, r0 + i, c0, confined, changed);
  }
  for (int j = 0; j < 3; ++j) {
    const DigitMask confined =
        two_or_more & in_col[j] & DigitMask(~(in_col[(j + 1) % 3] | in_col[(j + 2) % 3]));
    if (confined) EliminateOutsideBox(grid, LineKind::kColumns, c0 + j, r0, confined, changed);
  }
}

void EliminateAlongLine(CandidateGrid& grid, LineKind kind, int count_in_line, int count_in_box,
                        int digit, int line, int start, bool& changed) {
  if (count_in_line != count_in_box || (count_in_box != 2 && count_in_box != 3)) return;
  EliminateOutsideBox(grid, kind, line, start, DigitBit(digit), changed);
}

}  // namespace kvadrix::solver
