// The game session without a window: a puzzle played to its end and recorded, the clock, and
// the level presets with the chains of the aid boxes.
#include "game/game_session.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "players/player_fixture.h"
#include "players/player_tables.h"
#include "solver/candidates.h"
#include "solver/move_fixtures.h"
#include "support/fakes.h"

namespace kvadrix::game {
namespace {

using Kind = solver::MoveOutcome::Kind;
using players::kNow;

class GameSessionTest : public players::PlayerFiles {
 protected:
  GameSessionTest() {
    Add(players::Player("Anna", "titok"), 7);
    players::LoadOrCreate(results_, folder_ / players::kResultFile);
    players::LoadOrCreate(last_games_, folder_ / players::kLastGameFile);
    session_.SetPlayer({"Anna", 7});
  }

  // Every empty cell but (9,9) filled with its solution digit, as a player clicks them.
  void FillAllButTheCorner(const solver::OpenCorner& puzzle) {
    for (int cell = 0; cell < 80; ++cell) {
      if (session_.state().board.AtIndex(cell) != 0) continue;
      session_.SelectDigit(puzzle.solution[cell]);
      ASSERT_EQ(session_.Click(board::RowOf(cell), board::ColOf(cell)).kind, Kind::kMoved);
    }
  }

  tables::TableStore results_ = players::MakeResultTable();
  tables::TableStore last_games_ = players::MakeLastGameTable();
  solver::NullCandidateView view_;
  GameSession session_{clock_};
};

TEST_F(GameSessionTest, APuzzlePlayedToItsEndIsTimedRecordedAndStopsTheClock) {
  const solver::OpenCorner puzzle = solver::PuzzleWithOpenCorner();
  session_.SelectDigit(0);
  EXPECT_EQ(session_.DigitToFocus(), 1) << "the eraser has no button to focus at a start";
  EXPECT_FALSE(session_.ClockRuns());
  session_.StartPuzzle(10004, puzzle.givens, view_);
  EXPECT_TRUE(session_.ClockRuns());
  EXPECT_EQ(session_.PuzzleId(), 10004);
  EXPECT_EQ(session_.state().undo_log.MoveCount(), 0);

  // A given is protected while the clock runs.
  int given = 0;
  while (session_.state().IsPlayerCell(board::RowOf(given), board::ColOf(given))) ++given;
  session_.SelectDigit(0);
  const solver::MoveOutcome refused = session_.Click(board::RowOf(given), board::ColOf(given));
  EXPECT_EQ(refused.kind, Kind::kRefused);
  EXPECT_EQ(refused.message, solver::kGivenNotErasable);

  clock_.AdvanceTicks(300);
  FillAllButTheCorner(puzzle);
  EXPECT_EQ(session_.TakeBack().kind, Kind::kMoved);
  EXPECT_EQ(session_.state().remaining_count, 2);
  EXPECT_EQ(session_.PlaceOne().kind, Kind::kMoved);
  clock_.AdvanceTicks(67);
  EXPECT_EQ(session_.ElapsedTicks(), 367);
  const solver::MoveOutcome last = session_.SolveAsFarAsPossible();
  ASSERT_TRUE(last.Completed());
  EXPECT_TRUE(session_.ClockRuns()) << "the game ends when its result is written";

  const Outcome recorded =
      session_.RecordCompletion({players_, results_, last_games_}, folder_.path());
  EXPECT_TRUE(recorded.done) << recorded.message;
  EXPECT_FALSE(session_.ClockRuns());
  EXPECT_EQ(
      players::Rows(players::Reloaded(players::MakeResultTable, folder_ / players::kResultFile)),
      (std::vector<std::string>{"7|10004|2023-03-15|367"}));

  // With the clock stopped a given may be erased; clearing the game leaves an empty board.
  session_.SelectDigit(0);
  EXPECT_EQ(session_.Click(board::RowOf(given), board::ColOf(given)).kind, Kind::kMoved);
  session_.ClearGame();
  EXPECT_EQ(session_.state().remaining_count, 81);
  EXPECT_FALSE(session_.ClockRuns());
}

TEST_F(GameSessionTest, ADamagedPuzzleChangesNothingAndTheGameGoesOn) {
  const solver::OpenCorner puzzle = solver::PuzzleWithOpenCorner();
  session_.StartPuzzle(10004, puzzle.givens, view_);
  const board::GameState before = session_.state();
  EXPECT_THROW(session_.StartPuzzle(10005, "12", view_), kvadrix::Error);
  EXPECT_EQ(session_.state().board, before.board);
  EXPECT_EQ(session_.PuzzleId(), 10004);

  EXPECT_TRUE(session_.ClockRuns()) << "the game goes on";
}

// The chains of the boxes decide where a preset leaves them, so the order of presets matters.
TEST(AidControls, PresetsAndBoxChainsEndWhereThePlayerSeesThem) {
  const auto state = [](const AidControls& aids, AidBox box) {
    return std::pair{aids.Box(box).checked, aids.Box(box).enabled};
  };
  const std::pair kOnOpen{true, true}, kOffOpen{false, true}, kOffLocked{false, false},
      kOnLocked{true, false};

  AidControls aids;
  EXPECT_EQ(aids.Switches().single_candidate, true) << "every technique is on at first";
  aids.ApplyLevel(Level::kAdvanced);  // CBO was checked: its handler unchecks CBE again
  EXPECT_EQ(state(aids, AidBox::kCBE), kOffOpen);
  EXPECT_EQ(state(aids, AidBox::kCBE2), kOffLocked);
  EXPECT_EQ(state(aids, AidBox::kCBE3), kOffLocked);
  EXPECT_EQ(state(aids, AidBox::kCBO), kOffLocked);
  EXPECT_EQ(state(aids, AidBox::kCbsz), kOnLocked);
  EXPECT_TRUE(aids.CandidateRulesOff());
  EXPECT_TRUE(aids.TakeRecomputeRequest());
  EXPECT_FALSE(aids.TakeRecomputeRequest()) << "taken once";

  aids.ApplyLevel(Level::kMaster);
  EXPECT_FALSE(aids.CandidatesShown());
  EXPECT_FALSE(aids.RevealEnabled());
  EXPECT_EQ(state(aids, AidBox::kCBE), kOffLocked);
  EXPECT_EQ(state(aids, AidBox::kCBX), kOffLocked);

  aids.ApplyLevel(Level::kBeginner);
  EXPECT_TRUE(aids.CandidatesShown());
  EXPECT_TRUE(aids.RevealEnabled());
  EXPECT_EQ(state(aids, AidBox::kCBE), kOnOpen);
  EXPECT_EQ(state(aids, AidBox::kCBE2), kOffOpen);
  EXPECT_EQ(state(aids, AidBox::kCBE3), kOffOpen);
  EXPECT_EQ(state(aids, AidBox::kCBO), kOffOpen);
  EXPECT_EQ(state(aids, AidBox::kCbsz), kOffOpen);

  aids.ApplyLevel(Level::kAdvanced);  // CBO already unchecked: CBE stays checked
  EXPECT_EQ(state(aids, AidBox::kCBE), kOnOpen);

  AidControls boxes;
  boxes.SetChecked(AidBox::kCBE, false);
  EXPECT_EQ(state(boxes, AidBox::kCBE2), kOffLocked);
  boxes.SetChecked(AidBox::kCBE, true);
  EXPECT_EQ(state(boxes, AidBox::kCBE2), kOffOpen) << "back enabled, left for the player";
  boxes.SetChecked(AidBox::kCBO, false);
  boxes.SetChecked(AidBox::kCBO, true);
  EXPECT_EQ(boxes.Switches().single_position && boxes.Switches().single_candidate &&
                boxes.Switches().candidate_lines,
            true);
  EXPECT_EQ(state(boxes, AidBox::kCBE2), kOnOpen);
  boxes.TakeRecomputeRequest();
  boxes.SetChecked(AidBox::kCbsz, true);
  EXPECT_FALSE(boxes.TakeRecomputeRequest()) << "cbsz is read by the moves only";
}

// The session's candidates follow the aids, and the moves read the level's cbsz.
TEST_F(GameSessionTest, TheCandidatesAndTheMovesFollowTheLevel) {
  const solver::OpenCorner puzzle = solver::PuzzleWithOpenCorner();
  session_.StartPuzzle(10004, puzzle.givens, view_);
  session_.ChangeAids([](AidControls& aids) { aids.ApplyLevel(Level::kMaster); }, view_);
  board::GameState plain;
  board::ApplyGivens(plain, puzzle.givens);
  solver::RecomputeCandidates(plain, solver::kNoAids, view_);
  EXPECT_EQ(session_.state().candidates, plain.candidates);

  // cbsz is on at "M": a digit the candidates exclude goes in all the same.
  int cell = 0;
  while (session_.state().board.AtIndex(cell) != 0) ++cell;
  const int excluded = puzzle.solution[cell] % 9 + 1;
  ASSERT_FALSE(
      session_.state().candidates.Contains(board::RowOf(cell), board::ColOf(cell), excluded) &&
      session_.state().candidates.Length(board::RowOf(cell), board::ColOf(cell)) == 1);
  session_.SelectDigit(excluded);
  EXPECT_EQ(session_.Click(board::RowOf(cell), board::ColOf(cell)).kind, Kind::kMoved);
  EXPECT_EQ(session_.state().board.AtIndex(cell), excluded);
}

}  // namespace
}  // namespace kvadrix::game
