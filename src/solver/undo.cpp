#include "solver/undo.h"

namespace kvadrix::solver {

void TakeBackMove(board::GameState& state, MoveHost& host) {
  board::UndoLog& log = state.undo_log;
  if (log.MoveCount() == 0) return;
  // The entry leaves the log before the replay logs its own, so a full log keeps its oldest.
  const board::UndoEntry taken_back = log.DropNewest();
  const int count_before_replay = log.MoveCount();
  const uint64_t game = log.Generation();
  const auto settle = [&] {
    if (log.Generation() != game) return;  // the replay's completion started another game
    if (log.MoveCount() > count_before_replay) {
      log.DropNewest();  // the replay's own entry
    } else {
      log.Append(taken_back);  // refused: nothing changed, the move can still be taken back
    }
  };
  try {
    PlaceDigit(state, host, taken_back.Row(), taken_back.Col(),
               taken_back.IsErase() ? taken_back.Digit() : 0);
  } catch (...) {
    settle();  // a failed save of the completion's result still leaves a sound log
    throw;
  }
  settle();
}

}  // namespace kvadrix::solver
