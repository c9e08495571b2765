#pragma once
// The generator's report: per level, how the game numbers follow the difficulty score.
#include <string>
#include <vector>

#include "puzzlegen/difficulty_score.h"
#include "puzzlegen/library.h"

namespace kvadrix::puzzlegen {

struct LevelReport {
  char code = 0;
  int count = 0;
  DifficultyScore lowest, highest;
  int easiest_number = 0;  // the first game with the lowest score
  int hardest_number = 0;  // the last game with the highest score
  double rho = 0;          // Spearman rank correlation of game number and score
};

// Rank correlation of position (1..n) and score, ties ranked by their mean rank. 0 for fewer
// than two scores or when every score is the same.
double SpearmanRho(const std::vector<DifficultyScore>& scores_in_game_order);

// One entry per level in the order the records first show it, each level in game-number order.
std::vector<LevelReport> ReportLevels(const std::vector<LibraryRecord>& records);

// A table of the reports, one line per level, with a header line.
std::string FormatReport(const std::vector<LevelReport>& reports);

}  // namespace kvadrix::puzzlegen
