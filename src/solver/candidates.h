#pragma once
// Keeps the CandidateGrid in step with the Board, then narrows it with the switched-on
// techniques and shows the result.
#include "board/game_state.h"
#include "solver/aid_switches.h"
#include "solver/candidate_view.h"

namespace kvadrix::solver {

// Deletes the digit from the cell's entry if it is there; reports whether it was.
bool RemoveCandidate(board::CandidateGrid& grid, int row, int col, int digit);

// Full recomputation: every empty cell starts from "123456789" and loses the digits of its row,
// column and box; filled cells have an empty entry. Then ApplyTechniques and the label refresh.
// Used when a game starts, after an erase and when an aid is switched.
void RecomputeCandidates(board::GameState& state, const AidSwitches& switches, CandidateView& view);

// After a digit 1..9 was written at (row, col) and that cell's entry emptied: the digit leaves
// the cell's row, column and box, then ApplyTechniques and the label refresh. Only removes, so
// earlier exclusions stay until the next RecomputeCandidates.
void UpdateCandidatesAfterPlacement(board::GameState& state, int row, int col, int digit,
                                    const AidSwitches& switches, CandidateView& view);

// Shows all 81 entries, rows 1..9 outer, columns inner.
void RefreshCandidateLabels(const board::CandidateGrid& grid, CandidateView& view);

}  // namespace kvadrix::solver
