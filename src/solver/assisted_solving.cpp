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

MoveOutcome Place(board::GameState& state, const MoveSwitches& switches, int cell, int digit) {
  return PlaceDigit(state, switches, board::RowOf(cell), board::ColOf(cell), digit);
}

// For the first digit the tally counts once whose holder in the unit is a multi-candidate cell,
// that cell gets it. kNothing when no digit qualifies.
MoveOutcome PlaceFirstOnce(board::GameState& state, const MoveSwitches& switches,
                           const DigitTally& tally, const board::UnitCells& unit) {
  for (int d = 1; d <= 9; ++d) {
    if (tally[d] != 1) continue;
    const int cell = FirstMultiHolder(state.candidates, unit, d);
    if (cell < 0) continue;
    return Place(state, switches, cell, d);
  }
  return {};
}

// Csak 1 steps 3 and 4: the lines of one kind, tallied without Single Candidate.
MoveOutcome PlaceLineSingle(board::GameState& state, const MoveSwitches& switches, LineKind kind) {
  for (int line = 1; line <= 9; ++line) {
    DigitTally tally;
    ResetDigitTally(tally);
    bool unused = false;
    ScanLine(state.candidates, switches.aids, kind, line, false, tally, unused);
    const board::UnitCells& unit =
        kind == LineKind::kRows ? kUnits.rows[line - 1] : kUnits.cols[line - 1];
    const MoveOutcome outcome = PlaceFirstOnce(state, switches, tally, unit);
    if (outcome.kind != MoveOutcome::Kind::kNothing) return outcome;
  }
  return {};
}

// Teljes step 3: every single-candidate cell, each entry read when the visit reaches it, until
// one fills the grid. `placed` is set when a digit went in.
MoveOutcome PlaceEverySingle(board::GameState& state, const MoveSwitches& switches, bool& placed) {
  for (int cell = 0; cell < board::kCellCount; ++cell) {
    const int digit = state.candidates.SingleDigit(board::RowOf(cell), board::ColOf(cell));
    if (digit == 0) continue;
    const MoveOutcome outcome = Place(state, switches, cell, digit);
    placed = true;
    if (outcome.FilledTheGrid()) return outcome;
  }
  return {};
}

}  // namespace

MoveOutcome PlaceBoxSingle(board::GameState& state, const MoveSwitches& switches, int box) {
  const board::UnitCells& unit = kUnits.boxes[box - 1];
  DigitTally tally;
  ResetDigitTally(tally);
  for (const int cell : unit) tally.Add(state.candidates.MaskAt(cell));
  return PlaceFirstOnce(state, switches, tally, unit);
}

MoveOutcome PlaceOneDigit(board::GameState& state, const MoveSwitches& switches) {
  for (int cell = 0; cell < board::kCellCount; ++cell) {
    const int digit = state.candidates.SingleDigit(board::RowOf(cell), board::ColOf(cell));
    if (digit == 0) continue;
    state.selected_digit = digit;
    return Place(state, switches, cell, digit);
  }
  for (int box = 1; box <= 9; ++box) {
    const MoveOutcome outcome = PlaceBoxSingle(state, switches, box);
    if (outcome.kind != MoveOutcome::Kind::kNothing) return outcome;
  }
  for (const LineKind kind : {LineKind::kRows, LineKind::kColumns}) {
    const MoveOutcome outcome = PlaceLineSingle(state, switches, kind);
    if (outcome.kind != MoveOutcome::Kind::kNothing) return outcome;
  }
  return MoveOutcome::Refused(kNothingToPlace);
}

MoveOutcome SolveAsFarAsPossible(board::GameState& state, const MoveSwitches& switches) {
  // A filled grid holds no candidates, so nothing could follow its completion: it ends the run.
  bool placed_any = false;
  bool placed;
  do {
    placed = false;
    const MoveOutcome singles = PlaceEverySingle(state, switches, placed);
    if (singles.FilledTheGrid()) return singles;
    if (!placed) {
      // The later boxes see the grid as the earlier ones left it.
      for (int box = 1; box <= 9; ++box) {
        const MoveOutcome outcome = PlaceBoxSingle(state, switches, box);
        if (outcome.FilledTheGrid()) return outcome;
        placed |= outcome.kind != MoveOutcome::Kind::kNothing;
      }
    }
    placed_any |= placed;
    // Cutting a line's Single Positions places nothing; the next round's singles do.
    if (!placed) LineSinglePositions(state.candidates, switches.aids, LineKind::kRows, placed);
    if (!placed) LineSinglePositions(state.candidates, switches.aids, LineKind::kColumns, placed);
  } while (placed);
  const MoveOutcome::Kind kind =
      placed_any ? MoveOutcome::Kind::kMoved : MoveOutcome::Kind::kNothing;
  return {kind, state.remaining_count != 0 ? kSolvedSoFar : std::string_view()};
}

}  // namespace kvadrix::solver
