#include "solver/techniques.h"

#include <gtest/gtest.h>

#include <random>

#include "support/grid_builder.h"

namespace kvadrix::solver {
namespace {

using board::CandidateGrid;
using testing::GridOf;
using testing::MaskOf;

constexpr AidSwitches kPositionOnly{true, false, false};
constexpr AidSwitches kPositionAndCandidate{true, true, false};
constexpr AidSwitches kLinesOnly{false, false, true};

// Box 1 with 7 held only by (2,3), and 3 and 8 each held by one cell, so every technique has work.
CandidateGrid BusyGrid() {
  return GridOf({{1, 1, "1256"},
                 {1, 2, "1256"},
                 {1, 3, "2356"},
                 {2, 1, "1256"},
                 {2, 2, "1256"},
                 {2, 3, "478"},
                 {3, 1, "12456"},
                 {3, 2, "1256"},
                 {3, 3, "1256"},
                 {4, 2, "6"},
                 {5, 2, "26"},
                 {1, 5, "25"}});
}

TEST(Techniques, NothingChangesWithSinglePositionAndCandidateLinesOff) {
  for (bool single_candidate : {false, true}) {
    CandidateGrid grid = BusyGrid();
    ApplyTechniques(grid, {false, single_candidate, false});
    EXPECT_EQ(grid, BusyGrid());
  }
}

TEST(Techniques, BoxSinglePositionFixesOneCellPerCallLowestDigitFirst) {
  // 3 is held only by (1,3), 7 and 8 only by (2,3); 4 by (2,3) and (3,1).
  CandidateGrid grid = BusyGrid();
  bool changed = false;
  BoxSinglePositions(grid, kPositionOnly, 1, changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(grid.Text(1, 3), "3");
  EXPECT_EQ(grid.Text(2, 3), "478") << "only one fix per call";

  changed = false;
  BoxSinglePositions(grid, kPositionOnly, 1, changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(grid.Text(2, 3), "7") << "7 comes before 8";

  // 4 has lost its holder (2,3), so (3,1) is fixed next.
  changed = false;
  BoxSinglePositions(grid, kPositionOnly, 1, changed);
  EXPECT_EQ(grid.Text(3, 1), "4");

  // Digits whose only holder is already single are passed over: 3, 4 and 7 now.
  changed = false;
  const CandidateGrid settled = grid;
  BoxSinglePositions(grid, kPositionOnly, 1, changed);
  EXPECT_FALSE(changed);
  EXPECT_EQ(grid, settled);
}

TEST(Techniques, SinglePositionPassFixesTheSecondDigitLater) {
  CandidateGrid grid = GridOf({{1, 1, "38"}, {1, 2, "12"}, {2, 1, "12"}, {2, 2, "128"}});
  // 3 is only in (1,1); 8 in (1,1) and (2,2). After (1,1) becomes 3, 8 is single in (2,2).
  bool changed = false;
  SinglePositionPass(grid, kPositionOnly, changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(grid.Text(1, 1), "3");
  EXPECT_EQ(grid.Text(2, 2), "8");
}

TEST(Techniques, LineSinglePositionsFixesEveryQualifyingDigitOfALine) {
  // Column 4: 2 only in (3,4), 9 only in (7,4); the other cells share 1, 5, 6.
  CandidateGrid grid = GridOf(
      {{1, 4, "156"}, {3, 4, "1256"}, {5, 4, "156"}, {7, 4, "569"}, {8, 4, "15"}, {9, 4, "6"}});
  bool changed = false;
  LineSinglePositions(grid, kPositionOnly, LineKind::kColumns, changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(grid.Text(3, 4), "2");
  EXPECT_EQ(grid.Text(7, 4), "9");
  EXPECT_EQ(grid.Text(1, 4), "156");
  EXPECT_EQ(grid.Text(9, 4), "6");
}

TEST(Techniques, SingleCandidateCountsOnLinesButNotInTheBox) {
  CandidateGrid grid = GridOf({{4, 1, "126"},
                               {4, 2, "6"},
                               {4, 3, "126"},
                               {5, 1, "12"},
                               {5, 2, "12"},
                               {5, 3, "12"},
                               {4, 7, "36"},
                               {4, 9, "6"},
                               {1, 2, "56"},
                               {8, 2, "6"}});
  bool changed = false;
  BoxSinglePositions(grid, kPositionAndCandidate, 4, changed);
  EXPECT_FALSE(changed) << "box removals are not a change";
  EXPECT_EQ(grid.Text(4, 1), "12");
  EXPECT_EQ(grid.Text(4, 3), "12");

  changed = false;
  PropagateSingleCandidate(grid, LineKind::kColumns, 2, 4, changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(grid.Text(1, 2), "5");
  EXPECT_EQ(grid.Text(8, 2), "6") << "another single 6 in the column stays";

  changed = false;
  PropagateSingleCandidate(grid, LineKind::kRows, 4, 2, changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(grid.Text(4, 7), "3");
  EXPECT_EQ(grid.Text(4, 9), "6");

  // Nothing left to remove: no change, and a multi-candidate cell spreads nothing.
  changed = false;
  PropagateSingleCandidate(grid, LineKind::kRows, 4, 2, changed);
  PropagateSingleCandidate(grid, LineKind::kRows, 5, 1, changed);
  EXPECT_FALSE(changed);
}

// A box's Single Candidate removal is not counted as a change, so the pass can stop on it: the
// 3 of (1,2) leaves (1,1) after (1,1) was already tallied, and (1,1)'s new single 2 reaches
// (2,2) and (3,2) only when the techniques run again. No line sees it, as (1,1) shares no row
// or column with them.
TEST(Techniques, ABoxRemovalCanLeaveWorkForTheNextRun) {
  CandidateGrid grid =
      GridOf({{1, 1, "23"}, {1, 2, "3"}, {2, 2, "25"}, {3, 2, "25"}, {2, 4, "25"}, {3, 4, "25"}});
  for (const AidSwitches& switches : {kPositionAndCandidate, kAllAids}) {
    CandidateGrid once = grid;
    ApplyTechniques(once, switches);
    EXPECT_EQ(once.Text(1, 1), "2");
    EXPECT_EQ(once.Text(2, 2), "25");
    EXPECT_EQ(once.Text(3, 2), "25");

    CandidateGrid twice = once;
    ApplyTechniques(twice, switches);
    EXPECT_EQ(twice.Text(2, 2), "5");
    EXPECT_EQ(twice.Text(3, 2), "5");
    EXPECT_EQ(twice.Text(2, 4), "2") << "row 2 then fixes its other cell";
  }
}

TEST(Techniques, ScanLineAddsToTheTallyAndSpreadsOnlyWhenBothAllowIt) {
  const CandidateGrid start = GridOf({{2, 1, "4"}, {2, 5, "149"}, {2, 9, "59"}});
  for (bool apply : {false, true}) {
    for (bool single_candidate : {false, true}) {
      CandidateGrid grid = start;
      DigitTally tally;
      ResetDigitTally(tally);
      bool changed = false;
      const AidSwitches switches{false, single_candidate, false};
      ScanLine(grid, switches, LineKind::kRows, 2, apply, tally, changed);
      ScanLine(grid, switches, LineKind::kRows, 2, apply, tally, changed);
      const bool spread = apply && single_candidate;
      EXPECT_EQ(changed, spread);
      EXPECT_EQ(grid.Text(2, 5), spread ? "19" : "149");
      // Counted from the entries as they were reached, and never reset between calls.
      EXPECT_EQ(tally[4], spread ? 2 : 4);
      EXPECT_EQ(tally[1], 2);
      EXPECT_EQ(tally[9], 4);
      EXPECT_EQ(tally[5], 2);
      EXPECT_EQ(tally[2], 0);
    }
  }
}

TEST(Techniques, CandidateLinesRemovesAConfinedDigitAlongItsLineOnly) {
  // 4 in box 1 only at (2,1) and (2,3). (2,5) holds 4 alone and is emptied.
  CandidateGrid grid = GridOf({{2, 1, "48"},
                               {2, 3, "249"},
                               {1, 1, "29"},
                               {2, 4, "14"},
                               {2, 5, "4"},
                               {2, 9, "34"},
                               {5, 1, "45"},
                               {5, 3, "4"}});
  bool changed = false;
  BoxCandidateLines(grid, 1, changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(grid.Text(2, 1), "48");
  EXPECT_EQ(grid.Text(2, 3), "249");
  EXPECT_EQ(grid.Text(2, 4), "1");
  EXPECT_EQ(grid.Text(2, 5), "");
  EXPECT_EQ(grid.Text(2, 9), "3");
  EXPECT_EQ(grid.Text(5, 1), "45") << "4 is not confined to a column of box 1";
  // 9 sits in (1,1) and (2,3): neither one row nor one column. 2 likewise.
  EXPECT_EQ(grid.Text(1, 1), "29");

  // A third holder off the row stops every removal.
  CandidateGrid spread = GridOf(
      {{2, 1, "4"}, {2, 3, "4"}, {3, 2, "4"}, {2, 7, "14"}, {7, 1, "4"}, {8, 2, "4"}, {9, 3, "4"}});
  const CandidateGrid before = spread;
  changed = false;
  BoxCandidateLines(spread, 1, changed);
  EXPECT_FALSE(changed);
  EXPECT_EQ(spread, before);

  // One holder in the box is never handled, though its line holds the digit elsewhere.
  CandidateGrid lone = GridOf({{1, 2, "47"}, {1, 7, "47"}, {5, 2, "7"}});
  changed = false;
  BoxCandidateLines(lone, 1, changed);
  EXPECT_FALSE(changed);
  EXPECT_EQ(lone.Text(1, 7), "47");

  // Three holders in one column of the box.
  CandidateGrid column = GridOf({{7, 8, "35"}, {8, 8, "5"}, {9, 8, "58"}, {1, 8, "25"}});
  changed = false;
  BoxCandidateLines(column, 9, changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(column.Text(1, 8), "2");
  EXPECT_EQ(column.Text(8, 8), "5");
}

TEST(Techniques, EliminateAlongLineActsOnlyForTwoOfTwoAndThreeOfThree) {
  const CandidateGrid start = GridOf({{5, 1, "6"}, {5, 4, "67"}, {5, 6, "16"}, {5, 9, "6"}});
  const int counts[][2] = {{1, 1}, {2, 3}, {3, 2}, {1, 2}, {2, 2}, {3, 3}};
  for (const auto& [in_line, in_box] : counts) {
    CandidateGrid grid = start;
    bool changed = false;
    EliminateAlongLine(grid, LineKind::kRows, in_line, in_box, 6, 5, 4, changed);
    const bool acts = in_line == in_box && in_line >= 2;
    EXPECT_EQ(changed, acts) << in_line << "/" << in_box;
    EXPECT_EQ(grid.Text(5, 1), acts ? "" : "6");
    EXPECT_EQ(grid.Text(5, 9), acts ? "" : "6");
    EXPECT_EQ(grid.Text(5, 4), "67") << "the box's own cells keep it";
    EXPECT_EQ(grid.Text(5, 6), "16");
  }
  CandidateGrid grid = start;
  bool changed = false;
  EliminateAlongLine(grid, LineKind::kColumns, 2, 2, 6, 1, 1, changed);  // (5,1) is outside 1..3
  EXPECT_TRUE(changed);
  EXPECT_EQ(grid.Text(5, 1), "");
}

TEST(Techniques, ApplyTechniquesRepeatsSinglePositionAfterCandidateLines) {
  // Single Position finds nothing at first: every digit is held twice per unit or only by a
  // single-candidate cell. Candidate Lines from box 1 takes 5 out of (1,7); then (5,7) is the
  // only holder of 5 in column 7.
  const CandidateGrid start = GridOf({{1, 1, "5"},
                                      {1, 2, "5"},
                                      {1, 7, "58"},
                                      {1, 8, "8"},
                                      {2, 9, "5"},
                                      {5, 7, "57"},
                                      {5, 8, "7"},
                                      {5, 9, "5"},
                                      {8, 7, "7"},
                                      {9, 7, "8"}});
  CandidateGrid position_only = start;
  ApplyTechniques(position_only, kPositionOnly);
  EXPECT_EQ(position_only, start);

  CandidateGrid lines_only = start;
  ApplyTechniques(lines_only, kLinesOnly);
  EXPECT_EQ(lines_only.Text(1, 7), "8");
  EXPECT_EQ(lines_only.Text(5, 7), "57");

  CandidateGrid both = start;
  ApplyTechniques(both, {true, false, true});
  EXPECT_EQ(both.Text(1, 7), "8");
  EXPECT_EQ(both.Text(5, 7), "5");
}

// The literal form of BoxCandidateLines: digit by digit, rows then columns, through
// EliminateAlongLine with the counts.
void LiteralBoxCandidateLines(CandidateGrid& grid, int box, bool& changed) {
  const int r0 = board::BoxFirstRow(box), c0 = board::BoxFirstCol(box);
  DigitTally tally;
  ResetDigitTally(tally);
  for (int cell : board::BoxCells(box)) tally.Add(grid.MaskAt(cell));
  for (int d = 1; d <= 9; ++d) {
    if (tally[d] != 2 && tally[d] != 3) continue;
    for (int r = r0; r < r0 + 3; ++r) {
      int n = 0;
      for (int c = c0; c < c0 + 3; ++c) n += grid.Contains(r, c, d);
      EliminateAlongLine(grid, LineKind::kRows, n, tally[d], d, r, c0, changed);
    }
    for (int c = c0; c < c0 + 3; ++c) {
      int n = 0;
      for (int r = r0; r < r0 + 3; ++r) n += grid.Contains(r, c, d);
      EliminateAlongLine(grid, LineKind::kColumns, n, tally[d], d, c, r0, changed);
    }
  }
}

TEST(Techniques, BoxCandidateLinesMatchesTheDigitByDigitRuleOnRandomGrids) {
  std::mt19937 rng(7);
  for (int n = 0; n < 3000; ++n) {
    CandidateGrid grid;
    for (int i = 0; i < board::kCellCount; ++i) {
      // Sparse entries, so that confined digits are common.
      grid.SetMaskAt(i, board::DigitMask(rng() & rng() & rng()));
    }
    const int box = 1 + n % 9;
    CandidateGrid literal = grid;
    bool changed = false, literal_changed = false;
    BoxCandidateLines(grid, box, changed);
    LiteralBoxCandidateLines(literal, box, literal_changed);
    ASSERT_EQ(grid, literal) << "box " << box;
    ASSERT_EQ(changed, literal_changed);
  }
}

// The pass without any shortcut: every box, then every column, then every row, while anything
// changes.
void LiteralSinglePositionPass(CandidateGrid& grid, const AidSwitches& switches) {
  bool any_change;
  do {
    any_change = false;
    for (int box = 1; box <= 9; ++box) BoxSinglePositions(grid, switches, box, any_change);
    LineSinglePositions(grid, switches, LineKind::kColumns, any_change);
    LineSinglePositions(grid, switches, LineKind::kRows, any_change);
  } while (any_change);
}

TEST(Techniques, SinglePositionPassMatchesRescanningEveryUnitOnRandomGrids) {
  std::mt19937 rng(11);
  for (int n = 0; n < 2000; ++n) {
    CandidateGrid grid;
    const bool sparse = n % 2;
    for (int i = 0; i < board::kCellCount; ++i) {
      const uint32_t bits = sparse ? rng() & rng() : rng() | rng();
      grid.SetMaskAt(i, board::DigitMask(bits));
    }
    const AidSwitches switches{true, n % 4 < 2, false};
    CandidateGrid literal = grid;
    bool changed = false;
    SinglePositionPass(grid, switches, changed);
    LiteralSinglePositionPass(literal, switches);
    ASSERT_EQ(grid, literal) << n;
  }
}

}  // namespace
}  // namespace kvadrix::solver
