#pragma once
// The state of the one game being played, owned by the main window. The window keeps its
// labels in step; these operations change only the model.
#include <bitset>

#include "board/board.h"
#include "board/candidate_grid.h"
#include "board/undo_log.h"

namespace kvadrix::board {

struct GameState {
  Board board;
  CandidateGrid candidates;
  UndoLog undo_log;
  int remaining_count = kCellCount;  // empty cells, always from a full count
  int selected_digit = 1;            // 0 = erase
  // Cells that were empty when the game started, shown in the player's colour; the others
  // (and every cell before a game) are givens, which a running game protects from erasing.
  std::bitset<kCellCount> player_cells;

  bool IsPlayerCell(int row, int col) const { return player_cells[CellIndex(row, col)]; }
};

// Empty Board, every entry "123456789", RemainingCount 81, no player cells. The UndoLog is left
// alone.
void ResetBoard(GameState& state);

// Writes a given digit: the Board takes it, the entry empties, RemainingCount is recounted.
void SetGivenCell(GameState& state, int row, int col, int digit);

// Counts the empty cells into remaining_count and returns it.
int UpdateRemainingCount(GameState& state);

// Every cell still empty becomes a player cell; cells holding a digit keep what they were. Runs
// after the givens are written and before any move.
void ColourPlayerCells(GameState& state);

}  // namespace kvadrix::board
