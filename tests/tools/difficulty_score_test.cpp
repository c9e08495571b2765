// The difficulty score and the report over it: on the shipped library each puzzle's hardest
// technique is the one the grader put it in a level for, and each level climbs from its
// easiest puzzle.
#include "puzzlegen/difficulty_score.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "puzzlegen/grading.h"
#include "puzzlegen/level_report.h"
#include "puzzlegen/library.h"
#include "puzzlegen/solved_grid.h"

namespace kvadrix::puzzlegen {
namespace {

// The grader's sets, as the score's hardest technique falls into them.
Difficulty SetOf(Technique hardest) {
  if (hardest == Technique::kSingle) return Difficulty::kSingles;
  if (hardest == Technique::kCandidateLines) return Difficulty::kCandidateLines;
  return hardest == Technique::kTrial ? Difficulty::kBeyond : Difficulty::kStrong;
}

TEST(DifficultyScoreTest, ShippedLevelsClimbWithinTheTechniquesTheirLevelAllows) {
  const std::vector<LibraryRecord> records =
      ReadLibrary(std::filesystem::path(KVADRIX_SOURCE_DIR) / "data" / "sudoku.xml");
  std::map<char, DifficultyScore> previous;
  for (const LibraryRecord& record : records) {
    const DifficultyScore score = ScoreDifficulty(GivensOf(record.mezok));
    const solver::Grid81 givens = GivensOf(record.mezok);
    EXPECT_EQ(SetOf(score.hardest), GradeDifficulty(givens))
        << record.id << " needs " << TechniqueName(score.hardest);
    EXPECT_GT(score.effort, 0) << record.id;
    if (previous.contains(record.level)) {
      EXPECT_GE(score, previous[record.level]) << record.id << " is easier than the game before";
    }
    previous[record.level] = score;
  }
  for (const LevelReport& report : ReportLevels(records)) {
    EXPECT_GE(report.rho, 0.9) << report.code;
    EXPECT_EQ(report.easiest_number, 1) << report.code;
    EXPECT_EQ(report.hardest_number, report.count) << report.code;
  }
}

// A round costs the technique's weight over what it offers; one placement offered as a naked
// single and as hidden singles in its row, column and box is one offer.
TEST(DifficultyScoreTest, RoundsCostLessTheMoreTheyOffer) {
  Rng rng(2026);
  const solver::Grid81 solution = RandomSolvedGrid(rng);
  solver::Grid81 givens = solution;
  const auto effort = [&givens] {
    const DifficultyScore score = ScoreDifficulty(givens);
    EXPECT_EQ(score.hardest, Technique::kSingle);
    return score.effort;
  };
  EXPECT_EQ(effort(), 0);
  givens[0] = 0;
  EXPECT_DOUBLE_EQ(effort(), 1);
  givens[40] = 0;  // another row, column and box: two offers, then one
  EXPECT_DOUBLE_EQ(effort(), 1.0 / 2 + 1);
  givens[80] = 0;
  EXPECT_DOUBLE_EQ(effort(), 1.0 / 3 + 1.0 / 2 + 1);
  givens[1] = 0;  // one given fewer is one round more
  EXPECT_GT(effort(), 1.0 / 3 + 1.0 / 2 + 1);
}

TEST(DifficultyScoreTest, SpearmanRanksTiesByTheirMean) {
  const auto score = [](double effort) { return DifficultyScore{Technique::kSingle, effort}; };
  EXPECT_DOUBLE_EQ(SpearmanRho({score(1), score(2), score(3), score(4)}), 1);
  EXPECT_DOUBLE_EQ(SpearmanRho({score(4), score(3), score(2), score(1)}), -1);
  // Ranks 1, 2.5, 2.5, 4 against 1..4: covariance 4.5 over sqrt(5 * 4.5).
  EXPECT_NEAR(SpearmanRho({score(1), score(2), score(2), score(3)}), 4.5 / std::sqrt(5 * 4.5),
              1e-12);
  // The technique outranks any effort.
  EXPECT_DOUBLE_EQ(SpearmanRho({score(50), DifficultyScore{Technique::kXWing, 0.1}}), 1);
  EXPECT_EQ(SpearmanRho({score(1), score(1)}), 0);
}

}  // namespace
}  // namespace kvadrix::puzzlegen
