#pragma once
// Human techniques stronger than the game's own, used only to grade the upper levels of the
// library. Each works on every unit (or digit) of the grid and only removes candidates; a
// filled cell is an empty entry and takes no part. Each returns whether it removed anything.
#include "board/candidate_grid.h"

namespace kvadrix::puzzlegen {

// Line to box: a digit whose holders in a row (or column), two or more, all lie in one box
// leaves the rest of that box. The reverse of the game's Candidate Lines.
bool ClaimLineToBox(board::CandidateGrid& grid);

// `size` (2 or 3) cells of a unit, each with 2..size candidates, that hold only `size` digits
// between them: those digits leave the unit's other cells.
bool NakedSubsets(board::CandidateGrid& grid, int size);

// `size` (2 or 3) digits of a unit, each held by 2..size cells, whose holders are only `size`
// cells: those cells lose every other digit.
bool HiddenSubsets(board::CandidateGrid& grid, int size);

// A digit held by exactly two cells in each of two rows, in the same two columns, leaves those
// columns elsewhere; and the same with rows and columns swapped.
bool XWing(board::CandidateGrid& grid);

// Tries the techniques above, simplest first, and stops after the first that removes anything.
bool ApplyStrongTechnique(board::CandidateGrid& grid);

}  // namespace kvadrix::puzzlegen
