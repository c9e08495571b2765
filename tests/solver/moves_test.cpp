// The placement rules, the move itself and "Vissza", on crafted positions and real puzzles.
#include "solver/moves.h"

#include <gtest/gtest.h>

#include <random>

#include "board/givens.h"
#include "move_fixtures.h"
#include "solver/candidates.h"
#include "solver/completion.h"
#include "solver/exact_solver.h"
#include "solver/undo.h"
#include "support/shipped_library.h"

namespace kvadrix::solver {
namespace {

using board::GameState;

std::vector<std::string> LogTexts(const GameState& state) {
  std::vector<std::string> texts;
  for (int n = 1; n <= state.undo_log.MoveCount(); ++n) {
    texts.emplace_back(state.undo_log.Slot(n).Text());
  }
  return texts;
}

// Everything a refused move must leave as it was.
void ExpectUnchanged(const GameState& before, const GameState& after) {
  EXPECT_EQ(after.board, before.board);
  EXPECT_EQ(after.candidates, before.candidates);
  EXPECT_EQ(after.remaining_count, before.remaining_count);
  EXPECT_EQ(LogTexts(after), LogTexts(before));
}

using Kind = MoveOutcome::Kind;

TEST(Moves, PlacementRulesCommitOrRefuseWithTheirMessages) {
  GameState state = Started("225");  // one given, 5 at (2,2)
  MoveSwitches switches = kPlaying;
  switches.aids = kNoAids;
  Messages messages;

  state.candidates.Fix(1, 1, 4);
  // One candidate: that one, whatever was asked.
  EXPECT_EQ(messages(PlaceDigit(state, switches, 1, 1, 7)).kind, Kind::kMoved);
  EXPECT_EQ(state.board.At(1, 1), 4);
  EXPECT_EQ(LogTexts(state), (std::vector<std::string>{"114"}));
  EXPECT_EQ(state.remaining_count, 79);

  state.candidates.SetMaskAt(board::CellIndex(3, 3), board::DigitBit(4) | board::DigitBit(7));
  GameState before = state;
  EXPECT_EQ(messages(PlaceDigit(state, switches, 3, 3, 0)).kind, Kind::kRefused);
  EXPECT_EQ(messages.texts, (std::vector<std::string>{std::string(kNothingToErase)}));
  ExpectUnchanged(before, state);
  messages(PlaceDigit(state, switches, 3, 3, 7));
  EXPECT_EQ(state.board.At(3, 3), 7);
  EXPECT_EQ(state.remaining_count, 78);
  EXPECT_EQ(state.undo_log.Newest().Text(), "337");
  EXPECT_EQ(state.candidates.Length(3, 3), 0);
  EXPECT_FALSE(state.candidates.Contains(3, 9, 7)) << "the digit leaves the row";

  // A filled player cell refuses a new digit; with cbsz it takes it without a recount.
  messages.texts.clear();
  before = state;
  EXPECT_EQ(messages(PlaceDigit(state, switches, 3, 3, 3)).kind, Kind::kRefused);
  EXPECT_EQ(messages.texts, (std::vector<std::string>{std::string(kDigitNotAllowed)}));
  ExpectUnchanged(before, state);
  switches.candidate_rules_off = true;
  EXPECT_EQ(messages(PlaceDigit(state, switches, 3, 3, 3)).kind, Kind::kMoved);
  EXPECT_EQ(state.board.At(3, 3), 3);
  EXPECT_EQ(state.remaining_count, 78);
  EXPECT_EQ(state.undo_log.Newest().Text(), "333");
  switches.candidate_rules_off = false;

  // A given is protected only while the clock runs; overwritten under cbsz it stays a given.
  messages.texts.clear();
  before = state;
  EXPECT_EQ(messages(PlaceDigit(state, switches, 2, 2, 0)).kind, Kind::kRefused);
  EXPECT_EQ(messages.texts, (std::vector<std::string>{std::string(kGivenNotErasable)}));
  ExpectUnchanged(before, state);
  switches.clock_runs = false;
  EXPECT_EQ(messages(PlaceDigit(state, switches, 2, 2, 0)).kind, Kind::kMoved);
  EXPECT_EQ(state.board.At(2, 2), 0);
  EXPECT_EQ(state.undo_log.Newest().Text(), "2250");
  EXPECT_EQ(state.remaining_count, 79);
  EXPECT_FALSE(state.IsPlayerCell(2, 2));
  EXPECT_TRUE(state.IsPlayerCell(3, 3));
  EXPECT_EQ(messages.texts.size(), 1u);
}

TEST(Moves, TheLastCellIsLoggedAndCountedBeforeTheGameEnds) {
  const OpenCorner puzzle = PuzzleWithOpenCorner();
  GameState state = Started(puzzle.givens);
  const board::Grid81& solution = puzzle.solution;
  for (int cell = 0; cell < 80; ++cell) {
    if (state.board.AtIndex(cell) != 0) continue;
    EXPECT_EQ(
        PlaceDigit(state, kPlaying, board::RowOf(cell), board::ColOf(cell), solution[cell]).kind,
        Kind::kMoved)
        << "cell " << cell;
  }
  ASSERT_EQ(state.remaining_count, 1);
  const MoveOutcome last = PlaceDigit(state, kPlaying, 9, 9, solution[80]);
  EXPECT_TRUE(last.Completed());
  EXPECT_TRUE(last.message.empty()) << "the completion asks its own question";
  EXPECT_EQ(state.undo_log.Newest(), board::UndoEntry::Placement(9, 9, solution[80]));
  EXPECT_EQ(state.remaining_count, 0);

  // A wrong digit in the last cell fills the grid but does not solve it; erasing and filling
  // again checks again, overwriting a full grid does not.
  EXPECT_EQ(PlaceDigit(state, kPlaying, 9, 9, 0).kind, Kind::kMoved);
  MoveSwitches anything_goes = kPlaying;
  anything_goes.candidate_rules_off = true;
  const MoveOutcome wrong = PlaceDigit(state, anything_goes, 9, 9, solution[80] % 9 + 1);
  EXPECT_EQ(wrong.kind, Kind::kCompletedWrong);
  EXPECT_EQ(wrong.message, kSolutionWrong);
  EXPECT_EQ(state.remaining_count, 0);
  const MoveOutcome overwrite = PlaceDigit(state, anything_goes, 9, 9, solution[80]);
  EXPECT_EQ(overwrite.kind, Kind::kMoved);
  EXPECT_EQ(CheckCompletion(state), Completion::kSolved);
}

}  // namespace
}  // namespace kvadrix::solver
