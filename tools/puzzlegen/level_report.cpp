#include "puzzlegen/level_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>

namespace kvadrix::puzzlegen {
namespace {

std::string ScoreText(const DifficultyScore& score) {
  char effort[32];
  std::snprintf(effort, sizeof effort, " %.2f", score.effort);
  return std::string(TechniqueName(score.hardest)) + effort;
}

}  // namespace

double SpearmanRho(const std::vector<DifficultyScore>& scores) {
  const size_t n = scores.size();
  if (n < 2) return 0;
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return scores[a] < scores[b]; });
  std::vector<double> rank(n);
  for (size_t start = 0; start < n;) {
    size_t end = start + 1;
    while (end < n && scores[order[end]] == scores[order[start]]) ++end;
    const double mean = (double(start) + double(end - 1)) / 2 + 1;
    for (size_t i = start; i < end; ++i) rank[order[i]] = mean;
    start = end;
  }
  const double mean = (double(n) + 1) / 2;
  double covariance = 0, spread_x = 0, spread_y = 0;
  for (size_t i = 0; i < n; ++i) {
    const double x = double(i + 1) - mean, y = rank[i] - mean;
    covariance += x * y;
    spread_x += x * x;
    spread_y += y * y;
  }
  if (spread_y == 0) return 0;
  return covariance / std::sqrt(spread_x * spread_y);
}

std::vector<LevelReport> ReportLevels(const std::vector<LibraryRecord>& records) {
  std::vector<char> codes;
  std::map<char, std::vector<const LibraryRecord*>> levels;
  for (const LibraryRecord& record : records) {
    if (levels[record.level].empty()) codes.push_back(record.level);
    levels[record.level].push_back(&record);
  }
  std::vector<LevelReport> reports;
  for (char code : codes) {
    std::vector<const LibraryRecord*>& level = levels[code];
    std::stable_sort(level.begin(), level.end(),
                     [](const auto* a, const auto* b) { return a->number < b->number; });
    std::vector<DifficultyScore> scores;
    for (const LibraryRecord* record : level) {
      scores.push_back(ScoreDifficulty(GivensOf(record->mezok)));
    }
    LevelReport report;
    report.code = code;
    report.count = static_cast<int>(level.size());
    for (size_t i = 0; i < scores.size(); ++i) {
      if (i == 0 || scores[i] < report.lowest) {
        report.lowest = scores[i];
        report.easiest_number = level[i]->number;
      }
      if (i == 0 || scores[i] >= report.highest) {
        report.highest = scores[i];
        report.hardest_number = level[i]->number;
      }
    }
    report.rho = SpearmanRho(scores);
    reports.push_back(report);
  }
  return reports;
}

std::string FormatReport(const std::vector<LevelReport>& reports) {
  std::string text =
      "level count  score range                                          rho"
      "  easiest hardest\n";
  for (const LevelReport& r : reports) {
    char line[200];
    const std::string range = ScoreText(r.lowest) + " .. " + ScoreText(r.highest);
    std::snprintf(line, sizeof line, "%c     %5d  %-50s %5.2f  %7d %7d\n", r.code, r.count,
                  range.c_str(), r.rho, r.easiest_number, r.hardest_number);
    text += line;
  }
  return text;
}

}  // namespace kvadrix::puzzlegen
