// "Vissza" replays the inverse move through the placement rules.
#include "solver/undo.h"

#include <gtest/gtest.h>

#include <random>

#include "board/givens.h"
#include "move_fixtures.h"
#include "solver/candidates.h"
#include "solver/exact_solver.h"
#include "support/shipped_library.h"

namespace kvadrix::solver {
namespace {

using board::GameState;

GameState EmptyGame() {
  GameState state;
  board::ColourPlayerCells(state);
  return state;
}

GameState Recomputed(GameState state, const AidSwitches& aids) {
  NullCandidateView view;
  RecomputeCandidates(state, aids, view);
  return state;
}

std::string Newest(const GameState& state) { return std::string(state.undo_log.Newest().Text()); }

TEST(Undo, TakesBackPlacementsErasesAndOverwrites) {
  GameState state = EmptyGame();
  RecordingHost host(state);
  PlaceDigit(state, host, 3, 5, 7);
  TakeBackMove(state, host);
  EXPECT_EQ(state.board.At(3, 5), 0);
  EXPECT_EQ(state.remaining_count, 81);
  EXPECT_EQ(state.undo_log.MoveCount(), 0);
  EXPECT_EQ(state.candidates, Recomputed(EmptyGame(), kAllAids).candidates);
  TakeBackMove(state, host);  // an empty log: nothing, and no count below 0
  EXPECT_EQ(state.undo_log.MoveCount(), 0);

  PlaceDigit(state, host, 3, 5, 7);
  PlaceDigit(state, host, 3, 5, 0);
  EXPECT_EQ(Newest(state), "3570");
  TakeBackMove(state, host);
  EXPECT_EQ(state.board.At(3, 5), 7);
  EXPECT_EQ(state.undo_log.MoveCount(), 1);
  EXPECT_EQ(Newest(state), "357");
  TakeBackMove(state, host);
  EXPECT_EQ(state.board.At(3, 5), 0);
  EXPECT_EQ(state.undo_log.MoveCount(), 0);

  // An overwrite under cbsz logs only the new digit: taking it back empties the cell.
  host.switches.candidate_rules_off = true;
  PlaceDigit(state, host, 3, 5, 5);
  PlaceDigit(state, host, 3, 5, 3);
  TakeBackMove(state, host);
  EXPECT_EQ(state.board.At(3, 5), 0);
  EXPECT_EQ(state.undo_log.MoveCount(), 1);
  EXPECT_TRUE(host.messages.empty());
}

TEST(Undo, ARefusedReplayChangesNothingAndTheEntryStays) {
  GameState state = EmptyGame();
  RecordingHost host(state);
  host.switches.candidate_rules_off = true;
  PlaceDigit(state, host, 3, 5, 7);
  PlaceDigit(state, host, 3, 1, 7);  // the same digit in the row, as cbsz allows
  PlaceDigit(state, host, 3, 5, 0);
  host.switches.candidate_rules_off = false;
  const GameState before = state;
  TakeBackMove(state, host);  // 7 may not go back beside the other 7
  EXPECT_EQ(host.messages, (std::vector<std::string>{std::string(kDigitNotAllowed)}));
  EXPECT_EQ(state.board, before.board);
  EXPECT_EQ(state.undo_log.MoveCount(), 3);
  EXPECT_EQ(Newest(state), "3570");
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(state.undo_log.Slot(n), before.undo_log.Slot(n));
}

TEST(Undo, AFullLogKeepsItsNewestMovesAndLosesNothingToTheReplay) {
  GameState state = EmptyGame();
  RecordingHost host(state);
  for (int move = 1; move <= 85; ++move) PlaceDigit(state, host, 1, 1, move % 2 ? 1 : 0);
  ASSERT_EQ(state.undo_log.MoveCount(), 81);
  EXPECT_EQ(state.undo_log.Slot(1).Text(), "111") << "move 5 is the oldest kept";
  EXPECT_EQ(Newest(state), "111");
  const board::UndoEntry oldest = state.undo_log.Slot(1), second = state.undo_log.Slot(2);
  TakeBackMove(state, host);
  EXPECT_EQ(state.undo_log.MoveCount(), 80);
  EXPECT_EQ(state.undo_log.Slot(1), oldest);
  EXPECT_EQ(state.undo_log.Slot(2), second);
  EXPECT_EQ(state.board.At(1, 1), 0);
  for (int left = 80; left > 0; --left) TakeBackMove(state, host);
  EXPECT_EQ(state.undo_log.MoveCount(), 0);
  EXPECT_TRUE(state.undo_log.Slot(1).Empty());
}

TEST(Undo, AReplayThatStartsTheNextGameLeavesItsLogAlone) {
  const OpenCorner puzzle = PuzzleWithOpenCorner();
  GameState state = Started(puzzle.givens);
  RecordingHost host(state);
  for (int cell = 0; cell < board::kCellCount; ++cell) {
    if (state.board.AtIndex(cell) == 0) {
      PlaceDigit(state, host, board::RowOf(cell), board::ColOf(cell), puzzle.solution[cell]);
    }
  }
  ASSERT_EQ(state.remaining_count, 0);
  PlaceDigit(state, host, 9, 9, 0);
  // Restoring the erased digit completes the grid again, and Yes starts the next puzzle.
  host.on_completion = [&] {
    board::ResetBoard(state);
    state.undo_log.Clear();
    state.undo_log.Append(board::UndoEntry::Placement(5, 5, 5));  // the new game's first move
  };
  TakeBackMove(state, host);
  EXPECT_EQ(state.undo_log.MoveCount(), 1);
  EXPECT_EQ(Newest(state), "555");
}

// Undoing every move of a random game, erases included, gives back the start position exactly.
TEST(Undo, TakingBackEveryMoveRestoresTheStartOnShippedPuzzles) {
  std::mt19937 rng(20261208);
  const std::vector<testing::ShippedRecord> library = testing::ShippedLibrary();
  for (size_t index = 0; index < library.size(); index += 7) {
    SCOPED_TRACE(library[index].id);
    GameState start;
    board::ApplyGivens(start, library[index].givens);
    board::Grid81 solution{};
    ASSERT_EQ(CountSolutions(start.board.AllCells(), 2, &solution), 1);
    start = Recomputed(start, kAllAids);
    board::ColourPlayerCells(start);
    GameState state = start;
    RecordingHost host(state);
    std::vector<int> filled;
    for (int move = 0; move < 60 && state.remaining_count > 0; ++move) {
      if (!filled.empty() && rng() % 4 == 0) {
        const int cell = filled[rng() % filled.size()];
        PlaceDigit(state, host, board::RowOf(cell), board::ColOf(cell), 0);
        std::erase(filled, cell);
        continue;
      }
      int cell;
      do cell = int(rng() % board::kCellCount);
      while (state.board.AtIndex(cell) != 0);
      PlaceDigit(state, host, board::RowOf(cell), board::ColOf(cell), solution[cell]);
      filled.push_back(cell);
    }
    ASSERT_TRUE(host.messages.empty()) << host.messages.front();
    while (state.undo_log.MoveCount() > 0) TakeBackMove(state, host);
    EXPECT_EQ(state.board, start.board);
    EXPECT_EQ(state.candidates, start.candidates);
    EXPECT_EQ(state.remaining_count, start.remaining_count);
    EXPECT_TRUE(host.messages.empty());
  }
}

}  // namespace
}  // namespace kvadrix::solver
