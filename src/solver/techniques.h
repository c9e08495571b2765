#pragma once
// The three human techniques over the CandidateGrid: Single Position, Single Candidate
// (inside the Single Position scans) and Candidate Lines. They never touch the Board; they
// remove digits from entries or fix an entry to one digit. Visiting orders are part of the
// behaviour: boxes 1..9 row-major, cells row by row, digits ascending, first match wins.
//
// The game narrows candidates through ApplyTechniques alone (RecomputeCandidates and
// UpdateCandidatesAfterPlacement call it). The steps below it are named so that tests can pin
// each one and the benchmark can time them; assisted solving also calls ScanLine and
// LineSinglePositions on their own.
//
// Every `changed` flag belongs to the caller, who clears it; these functions only set it.
// No contradiction is detected: an emptied entry stays empty.
#include "board/candidate_grid.h"
#include "solver/aid_switches.h"
#include "solver/digit_tally.h"

namespace kvadrix::solver {

enum class LineKind { kRows, kColumns };

// The game's entry point: the switched-on techniques, repeated until Candidate Lines stops
// changing the grid.
void ApplyTechniques(board::CandidateGrid& grid, const AidSwitches& switches);

// --- Named steps of ApplyTechniques, for tests, the benchmark and assisted solving.

// Box scans 1..9, then column scans, then row scans, repeated until none changes anything.
void SinglePositionPass(board::CandidateGrid& grid, const AidSwitches& switches, bool& changed);

// Fixes at most one cell of the box: the lowest digit held by exactly one cell, if that cell
// has other candidates too. With single_candidate on, the digit of each single-candidate cell
// leaves the box's multi-candidate cells first; those removals do not count as a change.
void BoxSinglePositions(board::CandidateGrid& grid, const AidSwitches& switches, int box,
                        bool& changed);

// For each line 1..9: every digit held by exactly one cell of the line fixes that cell (when it
// has other candidates too). Single Candidate spreading along the line follows
// switches.single_candidate and counts as a change.
void LineSinglePositions(board::CandidateGrid& grid, const AidSwitches& switches, LineKind kind,
                         bool& changed);

// Adds the digits of line `line` (1..9) to `tally` without resetting it. With
// `apply_single_candidate` and switches.single_candidate both on, each single-candidate cell's
// digit first leaves the line's multi-candidate cells.
void ScanLine(board::CandidateGrid& grid, const AidSwitches& switches, LineKind kind, int line,
              bool apply_single_candidate, DigitTally& tally, bool& changed);

// If the cell at `position` (1..9) of the line has a single candidate, removes that digit from
// the line's multi-candidate cells; each actual removal is a change.
void PropagateSingleCandidate(board::CandidateGrid& grid, LineKind kind, int line, int position,
                              bool& changed);

// Box Candidate Lines over boxes 1..9, repeated while it changes anything.
void CandidateLinesPass(board::CandidateGrid& grid, bool& changed);

// For each digit held by 2 or 3 cells of the box that all lie on one row (or one column): the
// digit leaves that line outside the box, whatever the length of the entries there.
void BoxCandidateLines(board::CandidateGrid& grid, int box, bool& changed);

// Acts only when count_in_line == count_in_box and that count is 2 or 3: removes `digit` from
// line `line` at every position except start..start+2 (the box's own cells).
void EliminateAlongLine(board::CandidateGrid& grid, LineKind kind, int count_in_line,
                        int count_in_box, int digit, int line, int start, bool& changed);

}  // namespace kvadrix::solver
