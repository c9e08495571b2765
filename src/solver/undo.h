#pragma once
// "Vissza": the newest logged move is taken back by replaying its inverse through PlaceDigit,
// so the placement rules, the candidates and the count follow as for any move.
#include "board/game_state.h"
#include "solver/moves.h"

namespace kvadrix::solver {

// BundoClick. A placement entry replays an erase of its cell; an erase entry replays the erased
// digit (which a single-candidate cell may turn into its own candidate). Afterwards neither the
// replay nor the entry taken back is in the log, so MoveCount is one lower. Nothing happens on
// an empty log (kNothing). A replay the rules refuse changes nothing: the entry stays. A full
// log loses nothing to the replay's own entry. Returns the replay's outcome, which may complete
// the grid: the log is settled before the caller ends the game.
MoveOutcome TakeBackMove(board::GameState& state, const MoveSwitches& switches);

}  // namespace kvadrix::solver
