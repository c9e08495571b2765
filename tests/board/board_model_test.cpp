#include <gtest/gtest.h>

#include "board/game_state.h"

namespace kvadrix::board {
namespace {

TEST(BoardModel, ResetAndGivenCellKeepBoardEntriesAndCountInStep) {
  GameState state;
  state.board.Set(4, 7, 3);
  state.candidates.Fix(2, 2, 6);
  state.undo_log.Append(UndoEntry::Placement(4, 7, 3));
  ResetBoard(state);
  EXPECT_EQ(state.board, Board());
  EXPECT_EQ(state.candidates.Text(2, 2), "123456789");
  EXPECT_EQ(state.remaining_count, 81);
  EXPECT_EQ(state.undo_log.MoveCount(), 1) << "the log is not the board's";

  SetGivenCell(state, 1, 1, 5);
  EXPECT_EQ(state.board.At(1, 1), 5);
  EXPECT_EQ(state.candidates.Text(1, 1), "");
  EXPECT_EQ(state.candidates.Length(1, 1), 0);
  EXPECT_EQ(state.remaining_count, 80);
  SetGivenCell(state, 9, 9, 1);
  EXPECT_EQ(state.board.AtIndex(80), 1);
  EXPECT_EQ(state.remaining_count, 79);

  state.board.Set(9, 9, 0);  // counted afresh, never by increments
  EXPECT_EQ(UpdateRemainingCount(state), 80);
}

TEST(BoardModel, CandidateEntriesReadAsOrderedStrings) {
  CandidateGrid grid;
  EXPECT_EQ(grid.Text(5, 5), "123456789");
  for (int d : {3, 4, 5, 6, 7}) grid.Remove(5, 5, d);
  EXPECT_EQ(grid.Text(5, 5), "1289");
  EXPECT_EQ(grid.Length(5, 5), 4);
  EXPECT_EQ(grid.SingleDigit(5, 5), 0);
  grid.Fix(5, 5, 8);
  EXPECT_EQ(grid.Text(5, 5), "8");
  EXPECT_EQ(grid.SingleDigit(5, 5), 8);
  grid.Clear(5, 5);
  EXPECT_EQ(grid.Text(5, 5), "");
  EXPECT_EQ(grid.SingleDigit(5, 5), 0);
  grid.Fill(5, 5);
  EXPECT_EQ(grid.Length(5, 5), 9);
  EXPECT_EQ(CandidateText(DigitBit(9) | DigitBit(1)), "19");
}

TEST(BoardModel, UndoLogKeepsTheNewestEightyOneEntries) {
  EXPECT_EQ(UndoEntry::Placement(3, 5, 7).Text(), "357");
  const UndoEntry erase = UndoEntry::Erase(3, 5, 7);
  EXPECT_EQ(erase.Text(), "3570");
  EXPECT_TRUE(erase.IsErase());
  EXPECT_EQ(erase.Row(), 3);
  EXPECT_EQ(erase.Col(), 5);
  EXPECT_EQ(erase.Digit(), 7);
  EXPECT_EQ(UndoEntry::Erase(2, 2, 0).Text(), "2200");

  UndoLog log;
  log.DropNewest();
  EXPECT_EQ(log.MoveCount(), 0);
  for (int n = 0; n < 85; ++n) log.Append(UndoEntry::Placement(n / 9 % 9 + 1, n % 9 + 1, 1));
  EXPECT_EQ(log.MoveCount(), UndoLog::kSlots);
  EXPECT_EQ(log.Slot(1).Text(), "151") << "the four oldest moves are gone";
  EXPECT_EQ(log.Newest().Text(), "141");
  log.DropNewest();
  EXPECT_EQ(log.MoveCount(), 80);
  EXPECT_TRUE(log.Slot(81).Empty());
  EXPECT_EQ(log.Newest().Text(), "131");
  log.Clear();
  EXPECT_EQ(log.MoveCount(), 0);
  EXPECT_TRUE(log.Slot(1).Empty());
}

}  // namespace
}  // namespace kvadrix::board
