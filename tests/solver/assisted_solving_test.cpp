// "Csak 1" and "Teljes": what they place, in which order, and where they stop.
#include "solver/assisted_solving.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "move_fixtures.h"
#include "solver/completion.h"
#include "support/grid_builder.h"

namespace kvadrix::solver {
namespace {

using testing::GridOf;

TEST(AssistedSolving, NothingToPlaceOnAnEmptyGrid) {
  GameState state;
  Messages messages;
  EXPECT_EQ(messages(PlaceOneDigit(state, kPlaying)).kind, MoveOutcome::Kind::kRefused);
  EXPECT_EQ(messages(SolveAsFarAsPossible(state, kPlaying)).kind, MoveOutcome::Kind::kNothing);
  EXPECT_EQ(messages.texts,
            (std::vector<std::string>{std::string(kNothingToPlace), std::string(kSolvedSoFar)}));
  EXPECT_EQ(state.remaining_count, 81);
  EXPECT_EQ(state.undo_log.MoveCount(), 0);
}

TEST(AssistedSolving, OneDigitTakesTheFirstSingleThenBoxThenLineSingles) {
  GameState state;
  MoveSwitches switches = kPlaying;
  switches.aids = kNoAids;
  Messages messages;
  state.candidates = GridOf({{3, 7, "4"}, {5, 2, "8"}, {1, 1, "12"}});
  messages(PlaceOneDigit(state, switches));
  EXPECT_EQ(state.board.At(3, 7), 4);
  EXPECT_EQ(state.board.At(5, 2), 0) << "only the first";
  EXPECT_EQ(state.selected_digit, 4);

  // No single left: box 1's only holder of 6 gets it, though no label showed a single.
  state = GameState();
  state.candidates = GridOf({{1, 1, "12"}, {1, 2, "12"}, {2, 2, "126"}, {2, 3, "12"}});
  state.selected_digit = 9;
  messages(PlaceOneDigit(state, switches));
  EXPECT_EQ(state.board.At(2, 2), 6);
  EXPECT_EQ(state.selected_digit, 9) << "only a single sets the digit";

  // Every box digit held twice, but row 4 holds 1 once: the row step finds it.
  state = GameState();
  state.candidates = GridOf({{4, 1, "12"}, {5, 2, "12"}, {4, 4, "23"}, {6, 5, "23"}});
  messages(PlaceOneDigit(state, switches));
  EXPECT_EQ(state.board.At(4, 1), 1);
  EXPECT_EQ(state.undo_log.MoveCount(), 1);
  EXPECT_TRUE(messages.texts.empty());
}

// Over the whole shipped library with every aid on: never a wrong digit, every "Könnyű" and
// "Közepes" puzzle completed and recorded without the unfinished message, and no puzzle left
// with a digit the solution does not have.
TEST(AssistedSolving, CompleteNeverPlacesAWrongDigitOnShippedPuzzles) {
  int completed = 0;
  for (const testing::ShippedRecord& record : testing::ShippedLibrary()) {
    SCOPED_TRACE(record.id);
    GameState state = Started(record.givens);
    board::Grid81 solution{};
    ASSERT_EQ(CountSolutions(state.board.AllCells(), 2, &solution), 1);
    Messages messages;
    const MoveOutcome outcome = messages(SolveAsFarAsPossible(state, kPlaying));
    for (int cell = 0; cell < board::kCellCount; ++cell) {
      const int digit = state.board.AtIndex(cell);
      ASSERT_TRUE(digit == 0 || digit == solution[cell]) << "cell " << cell;
    }
    EXPECT_EQ(outcome.Completed(), state.remaining_count == 0);
    if (record.level == 'E' || record.level == 'A') {
      EXPECT_EQ(state.remaining_count, 0);
      EXPECT_TRUE(outcome.Completed());
      EXPECT_TRUE(messages.texts.empty());
    }
    if (state.remaining_count == 0) {
      ++completed;
    } else {
      EXPECT_EQ(messages.texts, (std::vector<std::string>{std::string(kSolvedSoFar)}));
    }
    EXPECT_EQ(81 - state.remaining_count - int(record.givens.size() / 3),
              state.undo_log.MoveCount())
        << "every placement is an ordinary, logged move";
  }
  EXPECT_GE(completed, 600);
}

// A grid "Teljes" fills wrongly ends the run with the completion's message and without its own.
TEST(AssistedSolving, CompleteEndsWithTheCompletionsMessageOnAWrongGrid) {
  const OpenCorner puzzle = PuzzleWithOpenCorner();
  board::Grid81 grid = puzzle.solution;
  std::swap(grid[0], grid[3]);  // row 1 stays whole, columns 1 and 4 now repeat a digit
  std::string givens;
  for (int cell = 0; cell < 80; ++cell) {
    givens += std::to_string(board::RowOf(cell)) + std::to_string(board::ColOf(cell)) +
              std::to_string(grid[cell]);
  }
  GameState state = Started(givens);
  Messages messages;
  const MoveOutcome outcome = messages(SolveAsFarAsPossible(state, kPlaying));
  EXPECT_EQ(outcome.kind, MoveOutcome::Kind::kCompletedWrong);
  EXPECT_EQ(state.board.At(9, 9), puzzle.solution[80]);
  EXPECT_EQ(messages.texts, (std::vector<std::string>{std::string(kSolutionWrong)}));
}

}  // namespace
}  // namespace kvadrix::solver
