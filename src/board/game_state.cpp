#include "board/game_state.h"

namespace kvadrix::board {

void ResetBoard(GameState& state) {
  state.board.Clear();
  state.candidates.Reset();
  state.remaining_count = kCellCount;
  state.player_cells.reset();
}

void SetGivenCell(GameState& state, int row, int col, int digit) {
  state.board.Set(row, col, digit);
  state.candidates.Clear(row, col);
  UpdateRemainingCount(state);
}

void ColourPlayerCells(GameState& state) {
  for (int i = 0; i < kCellCount; ++i) {
    if (state.board.AtIndex(i) == 0) state.player_cells.set(i);
  }
}

int UpdateRemainingCount(GameState& state) {
  state.remaining_count = state.board.CountEmpty();
  return state.remaining_count;
}

}  // namespace kvadrix::board
