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
  MoveSwitches switches = kPlaying;
  Messages messages;
  messages(PlaceDigit(state, switches, 3, 5, 7));
  EXPECT_EQ(messages(TakeBackMove(state, switches)).kind, MoveOutcome::Kind::kMoved);
  EXPECT_EQ(state.board.At(3, 5), 0);
  EXPECT_EQ(state.remaining_count, 81);
  EXPECT_EQ(state.undo_log.MoveCount(), 0);
  EXPECT_EQ(state.candidates, Recomputed(EmptyGame(), kAllAids).candidates);
  // An empty log: nothing, and no count below 0.
  EXPECT_EQ(messages(TakeBackMove(state, switches)).kind, MoveOutcome::Kind::kNothing);
  EXPECT_EQ(state.undo_log.MoveCount(), 0);

  messages(PlaceDigit(state, switches, 3, 5, 7));
  messages(PlaceDigit(state, switches, 3, 5, 0));
  EXPECT_EQ(Newest(state), "3570");
  messages(TakeBackMove(state, switches));
  EXPECT_EQ(state.board.At(3, 5), 7);
  EXPECT_EQ(state.undo_log.MoveCount(), 1);
  EXPECT_EQ(Newest(state), "357");
  messages(TakeBackMove(state, switches));
  EXPECT_EQ(state.board.At(3, 5), 0);
  EXPECT_EQ(state.undo_log.MoveCount(), 0);

  // An overwrite under cbsz logs only the new digit: taking it back empties the cell.
  switches.candidate_rules_off = true;
  messages(PlaceDigit(state, switches, 3, 5, 5));
  messages(PlaceDigit(state, switches, 3, 5, 3));
  messages(TakeBackMove(state, switches));
  EXPECT_EQ(state.board.At(3, 5), 0);
  EXPECT_EQ(state.undo_log.MoveCount(), 1);
  EXPECT_TRUE(messages.texts.empty());
}

TEST(Undo, ARefusedReplayChangesNothingAndTheEntryStays) {
  GameState state = EmptyGame();
  MoveSwitches switches = kPlaying;
  Messages messages;
  switches.candidate_rules_off = true;
  messages(PlaceDigit(state, switches, 3, 5, 7));
  messages(PlaceDigit(state, switches, 3, 1, 7));  // the same digit in the row, as cbsz allows
  messages(PlaceDigit(state, switches, 3, 5, 0));
  switches.candidate_rules_off = false;
  const GameState before = state;
  messages(TakeBackMove(state, switches));  // 7 may not go back beside the other 7
  EXPECT_EQ(messages.texts, (std::vector<std::string>{std::string(kDigitNotAllowed)}));
  EXPECT_EQ(state.board, before.board);
  EXPECT_EQ(state.undo_log.MoveCount(), 3);
  EXPECT_EQ(Newest(state), "3570");
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(state.undo_log.Slot(n), before.undo_log.Slot(n));
}

TEST(Undo, AFullLogKeepsItsNewestMovesAndLosesNothingToTheReplay) {
  GameState state = EmptyGame();
  const MoveSwitches switches = kPlaying;
  Messages messages;
  for (int move = 1; move <= 85; ++move)
    messages(PlaceDigit(state, switches, 1, 1, move % 2 ? 1 : 0));
  ASSERT_EQ(state.undo_log.MoveCount(), 81);
  EXPECT_EQ(state.undo_log.Slot(1).Text(), "111") << "move 5 is the oldest kept";
  EXPECT_EQ(Newest(state), "111");
  const board::UndoEntry oldest = state.undo_log.Slot(1), second = state.undo_log.Slot(2);
  messages(TakeBackMove(state, switches));
  EXPECT_EQ(state.undo_log.MoveCount(), 80);
  EXPECT_EQ(state.undo_log.Slot(1), oldest);
  EXPECT_EQ(state.undo_log.Slot(2), second);
  EXPECT_EQ(state.board.At(1, 1), 0);
  for (int left = 80; left > 0; --left) messages(TakeBackMove(state, switches));
  EXPECT_EQ(state.undo_log.MoveCount(), 0);
  EXPECT_TRUE(state.undo_log.Slot(1).Empty());
}

TEST(Undo, AReplayThatCompletesTheGridSettlesTheLogBeforeTheGameEnds) {
  const OpenCorner puzzle = PuzzleWithOpenCorner();
  GameState state = Started(puzzle.givens);
  for (int cell = 0; cell < board::kCellCount; ++cell) {
    if (state.board.AtIndex(cell) == 0) {
      PlaceDigit(state, kPlaying, board::RowOf(cell), board::ColOf(cell), puzzle.solution[cell]);
    }
  }
  ASSERT_EQ(state.remaining_count, 0);
  const int moves = state.undo_log.MoveCount();
  PlaceDigit(state, kPlaying, 9, 9, 0);
  // Restoring the erased digit completes the grid again; the caller ends the game on a sound log.
  const MoveOutcome outcome = TakeBackMove(state, kPlaying);
  EXPECT_TRUE(outcome.Completed());
  EXPECT_EQ(state.board.At(9, 9), puzzle.solution[80]);
  EXPECT_EQ(state.undo_log.MoveCount(), moves);
  EXPECT_EQ(state.undo_log.Newest(), board::UndoEntry::Placement(9, 9, puzzle.solution[80]));
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
    const MoveSwitches switches = kPlaying;
    Messages messages;
    std::vector<int> filled;
    for (int move = 0; move < 60 && state.remaining_count > 0; ++move) {
      if (!filled.empty() && rng() % 4 == 0) {
        const int cell = filled[rng() % filled.size()];
        messages(PlaceDigit(state, switches, board::RowOf(cell), board::ColOf(cell), 0));
        std::erase(filled, cell);
        continue;
      }
      int cell;
      do cell = int(rng() % board::kCellCount);
      while (state.board.AtIndex(cell) != 0);
      messages(PlaceDigit(state, switches, board::RowOf(cell), board::ColOf(cell), solution[cell]));
      filled.push_back(cell);
    }
    ASSERT_TRUE(messages.texts.empty()) << messages.texts.front();
    while (state.undo_log.MoveCount() > 0) messages(TakeBackMove(state, switches));
    EXPECT_EQ(state.board, start.board);
    EXPECT_EQ(state.candidates, start.candidates);
    EXPECT_EQ(state.remaining_count, start.remaining_count);
    EXPECT_TRUE(messages.texts.empty());
  }
}

}  // namespace
}  // namespace kvadrix::solver
