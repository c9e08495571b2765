#include "solver/undo.h"

namespace kvadrix::solver {

MoveOutcome TakeBackMove(board::GameState& state, const MoveSwitches& switches) {
  board::UndoLog& log = state.undo_log;
  if (log.MoveCount() == 0) return {};
  // The entry leaves the log before the replay logs its own, so a full log keeps its oldest.
  const board::UndoEntry taken_back = log.DropNewest();
  const int count_before_replay = log.MoveCount();
  const MoveOutcome outcome = PlaceDigit(state, switches, taken_back.Row(), taken_back.Col(),
                                         taken_back.IsErase() ? taken_back.Digit() : 0);
  if (log.MoveCount() > count_before_replay) {
    log.DropNewest();  // the replay's own entry
  } else {
    log.Append(taken_back);  // refused: nothing changed, the move can still be taken back
  }
  return outcome;
}

}  // namespace kvadrix::solver
