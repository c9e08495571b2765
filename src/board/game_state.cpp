#include "board/game_state.h"

namespace kvadrix::board {

void ResetBoard(GameState& state) {
  state.board.Clear();
  state.candidates.Reset();
  state.remaining_count = kCellCount;
}

void SetGivenCell(GameState& state, int row, int col, int digit) {
  state.board.Set(row, col, digit);
  state.candidates.Clear(row, col);
  UpdateRemainingCount(state);
}

int UpdateRemainingCount(GameState& state) {
  state.remaining_count = state.board.CountEmpty();
  return state.remaining_count;
}

}  // namespace kvadrix::board
