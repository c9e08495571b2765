#pragma once
// "Csak 1" and "Teljes": the program places digits for the player, found in the current
// candidates (narrowed by the switched-on techniques), and only through PlaceDigit, so each is an
// ordinary move: logged, counted, and checked for completion.
#include <string_view>

#include "board/game_state.h"
#include "solver/moves.h"

namespace kvadrix::solver {

inline constexpr std::string_view kNothingToPlace = "Nem találtam beírandó számot";
inline constexpr std::string_view kSolvedSoFar = "Eddig sikerült kirakni!";

// At most one digit in the box: the lowest digit that exactly one entry of the box holds, placed
// in the first multi-candidate cell holding it (a digit whose one holder is already a
// single-candidate cell is passed over). Returns the placement's outcome, kNothing when none.
MoveOutcome PlaceBoxSingle(board::GameState& state, const MoveSwitches& switches, int box);

// Bcsak1Click: the first single-candidate cell row by row (SelectedDigit becomes its digit),
// else the first box single of boxes 1..9, else the first digit held once in a row, then in a
// column, by a multi-candidate cell. Nothing found: refused with kNothingToPlace.
MoveOutcome PlaceOneDigit(board::GameState& state, const MoveSwitches& switches);

// BteljesClick: repeats placing every single-candidate cell, then box singles, then cutting the
// Single Positions of rows and then of columns, while anything is placed or cut. Filling the
// grid ends it with that placement's outcome. A grid left unfinished adds kSolvedSoFar.
MoveOutcome SolveAsFarAsPossible(board::GameState& state, const MoveSwitches& switches);

}  // namespace kvadrix::solver
