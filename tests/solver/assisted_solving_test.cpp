// "Csak 1" and "Teljes": what they place, in which order, and where they stop.
#include "solver/assisted_solving.h"

#include <gtest/gtest.h>

#include "move_fixtures.h"
#include "support/grid_builder.h"

namespace kvadrix::solver {
namespace {

using testing::GridOf;

TEST(AssistedSolving, NothingToPlaceOnAnEmptyGrid) {
  GameState state;
  RecordingHost host(state);
  PlaceOneDigit(state, host);
  SolveAsFarAsPossible(state, host);
  EXPECT_EQ(host.messages,
            (std::vector<std::string>{std::string(kNothingToPlace), std::string(kSolvedSoFar)}));
  EXPECT_EQ(state.remaining_count, 81);
  EXPECT_EQ(state.undo_log.MoveCount(), 0);
}

TEST(AssistedSolving, OneDigitTakesTheFirstSingleThenBoxThenLineSingles) {
  GameState state;
  RecordingHost host(state);
  host.switches.aids = kNoAids;
  state.candidates = GridOf({{3, 7, "4"}, {5, 2, "8"}, {1, 1, "12"}});
  PlaceOneDigit(state, host);
  EXPECT_EQ(state.board.At(3, 7), 4);
  EXPECT_EQ(state.board.At(5, 2), 0) << "only the first";
  EXPECT_EQ(state.selected_digit, 4);

  // No single left: box 1's only holder of 6 gets it, though no label showed a single.
  state = GameState();
  state.candidates = GridOf({{1, 1, "12"}, {1, 2, "12"}, {2, 2, "126"}, {2, 3, "12"}});
  state.selected_digit = 9;
  PlaceOneDigit(state, host);
  EXPECT_EQ(state.board.At(2, 2), 6);
  EXPECT_EQ(state.selected_digit, 9) << "only a single sets the digit";

  // Every box digit held twice, but row 4 holds 1 once: the row step finds it.
  state = GameState();
  state.candidates = GridOf({{4, 1, "12"}, {5, 2, "12"}, {4, 4, "23"}, {6, 5, "23"}});
  PlaceOneDigit(state, host);
  EXPECT_EQ(state.board.At(4, 1), 1);
  EXPECT_EQ(state.undo_log.MoveCount(), 1);
  EXPECT_TRUE(host.messages.empty());
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
    RecordingHost host(state);
    int solved = 0;
    host.on_completion = [&] {
      if (CheckCompletion(state) != Completion::kSolved) return;
      state.solved_flag = true;
      ++solved;
    };
    SolveAsFarAsPossible(state, host);
    for (int cell = 0; cell < board::kCellCount; ++cell) {
      const int digit = state.board.AtIndex(cell);
      ASSERT_TRUE(digit == 0 || digit == solution[cell]) << "cell " << cell;
    }
    EXPECT_FALSE(state.solved_flag) << "cleared when it returns";
    if (record.level == 'E' || record.level == 'A') {
      EXPECT_EQ(state.remaining_count, 0);
      EXPECT_EQ(solved, 1);
      EXPECT_TRUE(host.messages.empty());
    }
    if (state.remaining_count == 0) {
      ++completed;
    } else {
      EXPECT_EQ(host.messages, (std::vector<std::string>{std::string(kSolvedSoFar)}));
    }
    EXPECT_EQ(81 - state.remaining_count - int(record.givens.size() / 3),
              state.undo_log.MoveCount())
        << "every placement is an ordinary, logged move";
  }
  EXPECT_GE(completed, 600);
}

// When the completion starts another puzzle, "Teljes" stops: nothing lands in the new game.
TEST(AssistedSolving, CompleteStopsWhenTheCompletionStartsTheNextPuzzle) {
  const std::vector<testing::ShippedRecord> library = testing::ShippedLibrary();
  GameState state = Started(library[0].givens);
  const GameState next = Started(library[1].givens);
  RecordingHost host(state);
  host.on_completion = [&] {
    if (CheckCompletion(state) != Completion::kSolved) return;
    state = next;
    state.undo_log.Clear();
    state.solved_flag = true;
  };
  SolveAsFarAsPossible(state, host);
  EXPECT_EQ(state.board, next.board);
  EXPECT_EQ(state.undo_log.MoveCount(), 0);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(state.solved_flag);
}

}  // namespace
}  // namespace kvadrix::solver
