#pragma once
// Every change of a cell during play: the player's clicks, "Vissza", "Csak 1" and "Teljes" all
// go through PlaceDigit, which applies the placement rules, and CommitMove, which writes the
// move, narrows the candidates, logs the move and checks a newly filled grid. Both return what
// happened; the caller shows the message or ends the game, and repaints from the game state.
#include <string_view>

#include "board/game_state.h"
#include "solver/aid_switches.h"
#include "solver/move_outcome.h"

namespace kvadrix::solver {

inline constexpr std::string_view kDigitNotAllowed = "Ide ilyen számot már nem tehetsz!";
inline constexpr std::string_view kNothingToErase = "Nem törölhetsz innen!";
inline constexpr std::string_view kGivenNotErasable = "Ez alap érték, nem lehet törölni!";

// The switches a move reads, as they stand when it starts.
struct MoveSwitches {
  AidSwitches aids;                  // CBE, CBE2, CBE3
  bool candidate_rules_off = false;  // cbsz: any digit goes anywhere
  bool clock_runs = false;           // T1: givens are protected only during a game
};

// The placement rules, in order: with cbsz any digit is committed; a cell with one candidate
// takes that candidate whatever was asked (erase included); a candidate digit is committed;
// otherwise a digit is refused, and an erase is committed only on a filled cell.
MoveOutcome PlaceDigit(board::GameState& state, const MoveSwitches& switches, int row, int col,
                       int digit);

// The move without the candidate rules; digit 0 erases. Erasing a given while the clock runs is
// refused. A placement on a filled cell (possible only with cbsz) neither recounts nor checks
// completion, and its log entry undoes to an empty cell.
MoveOutcome CommitMove(board::GameState& state, const MoveSwitches& switches, int row, int col,
                       int digit);

}  // namespace kvadrix::solver
