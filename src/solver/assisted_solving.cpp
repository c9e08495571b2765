#include "solver/assisted_solving.h"

#include <bit>

#include "board/units.h"
#include "solver/digit_tally.h"
#include "solver/techniques.h"

namespace kvadrix::solver {
namespace {

using board::DigitBit;
using board::kUnits;

bool IsMulti(board::DigitMask mask) { return std::popcount(mask) >= 2; }

// The first cell of the unit, in its order, with two or more candidates one of which is the
// digit; -1 when there is none.
int FirstMultiHolder(const board::CandidateGrid& grid, const board::UnitCells& unit, int digit) {
  for (const int cell : unit) {
    const board::DigitMask mask = grid.MaskAt(cell);
    if (IsMulti(mask) && (mask & DigitBit(digit))) return cell;
  }
  return -1;
}

void Place(board::GameState& state, MoveHost& host, int cell, int digit) {
  PlaceDigit(state, host, board::RowOf(cell), board::ColOf(cell), digit);
}

// For the first digit the tally counts once whose holder in the unit is a multi-candidate cell,
// that cell gets it. Returns whether it placed.
bool PlaceFirstOnce(board::GameState& state, MoveHost& host, const DigitTally& tally,
                    const board::UnitCells& unit) {
  for (int d = 1; d <= 9; ++d) {
    if (tally[d] != 1) continue;
    const int cell = FirstMultiHolder(state.candidates, unit, d);
    if (cell < 0) continue;
    Place(state, host, cell, d);
    return true;
  }
  return false;
}

// Csak 1 steps 3 and 4: the lines of one kind, tallied without Single Candidate.
bool PlaceLineSingle(board::GameState& state, MoveHost& host, LineKind kind) {
  const AidSwitches aids = host.Switches().aids;
  for (int line = 1; line <= 9; ++line) {
    DigitTally tally;
    ResetDigitTally(tally);
    bool unused = false;
    ScanLine(state.candidates, aids, kind, line, false, tally, unused);
    const board::UnitCells& unit =
        kind == LineKind::kRows ? kUnits.rows[line - 1] : kUnits.cols[line - 1];
    if (PlaceFirstOnce(state, host, tally, unit)) return true;
  }
  return false;
}

// Teljes step 3: every single-candidate cell, each entry read when the visit reaches it.
bool PlaceEverySingle(board::GameState& state, MoveHost& host) {
  bool placed = false;
  for (int cell = 0; cell < board::kCellCount && !state.solved_flag; ++cell) {
    const int digit = state.candidates.SingleDigit(board::RowOf(cell), board::ColOf(cell));
    if (digit == 0) continue;
    Place(state, host, cell, digit);
    placed = true;
  }
  return placed;
}

}  // namespace

bool PlaceBoxSingle(board::GameState& state, MoveHost& host, int box) {
  const board::UnitCells& unit = kUnits.boxes[box - 1];
  DigitTally tally;
  ResetDigitTally(tally);
  for (const int cell : unit) tally.Add(state.candidates.MaskAt(cell));
  return PlaceFirstOnce(state, host, tally, unit);
}

void PlaceOneDigit(board::GameState& state, MoveHost& host) {
  for (int cell = 0; cell < board::kCellCount; ++cell) {
    const int digit = state.candidates.SingleDigit(board::RowOf(cell), board::ColOf(cell));
    if (digit == 0) continue;
    state.selected_digit = digit;
    Place(state, host, cell, digit);
    return;
  }
  for (int box = 1; box <= 9; ++box) {
    if (PlaceBoxSingle(state, host, box)) return;
  }
  if (PlaceLineSingle(state, host, LineKind::kRows)) return;
  if (PlaceLineSingle(state, host, LineKind::kColumns)) return;
  host.ShowMessage(kNothingToPlace);
}

void SolveAsFarAsPossible(board::GameState& state, MoveHost& host) {
  state.solved_flag = false;
  bool placed;
  do {
    placed = PlaceEverySingle(state, host);
    if (!placed && !state.solved_flag) {
      // A box that completes the grid may start the next puzzle: the later boxes leave it be.
      for (int box = 1; box <= 9 && !state.solved_flag; ++box) {
        placed |= PlaceBoxSingle(state, host, box);
      }
    }
    // Cutting a line's Single Positions places nothing; the next round's singles do.
    if (!placed && !state.solved_flag) {
      LineSinglePositions(state.candidates, host.Switches().aids, LineKind::kRows, placed);
    }
    if (!placed && !state.solved_flag) {
      LineSinglePositions(state.candidates, host.Switches().aids, LineKind::kColumns, placed);
    }
  } while (placed && !state.solved_flag);
  if (state.remaining_count != 0 && !state.solved_flag) host.ShowMessage(kSolvedSoFar);
  state.solved_flag = false;
}

}  // namespace kvadrix::solver
