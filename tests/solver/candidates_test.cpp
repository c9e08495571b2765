#include "solver/candidates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/givens.h"
#include "solver/techniques.h"

namespace kvadrix::solver {
namespace {

using board::GameState;

// Records what the labels would show, in call order.
class RecordingView : public CandidateView {
 public:
  struct Call {
    int row, col;
    std::string text;
  };
  void ShowCandidates(int row, int col, std::string_view text) override {
    calls.push_back({row, col, std::string(text)});
  }
  std::vector<Call> calls;
};

AidSwitches SwitchesFromBits(int bits) { return {bool(bits & 1), bool(bits & 2), bool(bits & 4)}; }

TEST(Candidates, EmptyGridKeepsEveryDigitWhateverTheAids) {
  for (int bits = 0; bits < 8; ++bits) {
    GameState state;
    board::ResetBoard(state);
    RecordingView view;
    RecomputeCandidates(state, SwitchesFromBits(bits), view);
    ASSERT_EQ(view.calls.size(), 81u);
    for (size_t i = 0; i < view.calls.size(); ++i) {
      EXPECT_EQ(view.calls[i].row, int(i / 9 + 1));  // rows outer, columns inner
      EXPECT_EQ(view.calls[i].col, int(i % 9 + 1));
      EXPECT_EQ(view.calls[i].text, "123456789");
    }
  }
}

TEST(Candidates, OneGivenIsExcludedFromItsRowColumnAndBoxOnly) {
  GameState state;
  board::ResetBoard(state);
  board::SetGivenCell(state, 1, 1, 5);
  RecordingView view;
  RecomputeCandidates(state, kNoAids, view);
  for (const auto& call : view.calls) {
    const bool peer = call.row == 1 || call.col == 1 || (call.row <= 3 && call.col <= 3);
    const char* expected = (call.row == 1 && call.col == 1) ? "" : peer ? "12346789" : "123456789";
    EXPECT_EQ(call.text, expected) << call.row << "," << call.col;
  }
  EXPECT_EQ(state.candidates.Text(5, 5), "123456789");
}

TEST(Candidates, RemoveCandidateDeletesOnlyADigitThatIsThere) {
  board::CandidateGrid grid;
  grid.Fix(2, 2, 4);
  EXPECT_FALSE(RemoveCandidate(grid, 2, 2, 7));
  EXPECT_EQ(grid.Text(2, 2), "4");
  EXPECT_TRUE(RemoveCandidate(grid, 2, 2, 4));
  EXPECT_EQ(grid.Text(2, 2), "");
  EXPECT_TRUE(RemoveCandidate(grid, 3, 3, 5));
  EXPECT_EQ(grid.Text(3, 3), "12346789");
}

TEST(Candidates, AnEntryWithEveryDigitExcludedStaysEmptyAndIsShownEmpty) {
  GameState state;
  board::ResetBoard(state);
  // Row 1 holds 1..8; column 9 holds 9 lower down: (1,9) has nothing left.
  board::ApplyGivens(state, "111122133144155166177188999");
  for (int bits = 0; bits < 8; ++bits) {
    RecordingView view;
    RecomputeCandidates(state, SwitchesFromBits(bits), view);
    EXPECT_EQ(state.candidates.Text(1, 9), "");
    EXPECT_EQ(view.calls[8].text, "");
    EXPECT_EQ(state.board.At(1, 9), 0);
  }
}

TEST(Candidates, PlacementOnlyRemovesAndEraseRestoresAFreshGrid) {
  GameState state;
  board::ResetBoard(state);
  // Box 1 has only row 2 empty, so Candidate Lines removes its 4, 8, 9 from (2,4)..(2,9).
  board::ApplyGivens(state, "111122133315326337");
  NullCandidateView view;
  const AidSwitches lines{false, false, true};
  RecomputeCandidates(state, lines, view);
  ASSERT_FALSE(state.candidates.Contains(2, 9, 4));
  const GameState fresh = state;

  // A placement with every aid off leaves the technique's exclusion in place.
  state.board.Set(9, 1, 8);
  state.candidates.Clear(9, 1);
  UpdateCandidatesAfterPlacement(state, 9, 1, 8, kNoAids, view);
  EXPECT_FALSE(state.candidates.Contains(2, 9, 4));
  EXPECT_FALSE(state.candidates.Contains(9, 5, 8));  // row 9
  EXPECT_FALSE(state.candidates.Contains(5, 1, 8));  // column 1
  EXPECT_FALSE(state.candidates.Contains(8, 2, 8));  // box 7
  EXPECT_TRUE(state.candidates.Contains(5, 5, 8));
  EXPECT_TRUE(state.candidates.Contains(3, 5, 8));

  state.board.Set(9, 1, 0);
  RecomputeCandidates(state, lines, view);
  EXPECT_EQ(state.candidates, fresh.candidates);
}

}  // namespace
}  // namespace kvadrix::solver
