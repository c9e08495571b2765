#include "players/summary.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "player_fixture.h"
#include "players/best_results.h"
#include "players/player_tables.h"
#include "puzzles/levels.h"
#include "support/puzzle_files.h"

namespace kvadrix::players {
namespace {

using testing::PuzzleRecord;

class Summary : public PlayerFiles {
 protected:
  void SetUp() override {
    std::vector<PuzzleRecord> records = {{70001, "T", 1}, {60001, "T", 2}, {60000, "T", 3}};
    testing::AddLevel(records, 'E', 1, 3);
    testing::AddLevel(records, 'A', 2, 2);
    records.push_back({40002, "M", 2});  // no 40001: no separator before "Mester"
    testing::AddLevel(records, 'I', 5, 1);
    puzzles_ = testing::PuzzleTable(folder_ / "sudoku.xml", records);
    results_.CreateDataSet();
    summary_.CreateDataSet();
  }
  SummaryBuild Build() { return BuildSummary(summary_, players_, puzzles_, results_); }

  tables::TableStore puzzles_;
  tables::TableStore results_ = MakeResultTable();
  tables::TableStore summary_ = MakeSummaryTable();
};

TEST_F(Summary, OneRowPerNumberedPuzzleWithSeparatorsBeforeLaterLevels) {
  Add(Player("Anna", ""), 11);
  Add(Player("Béla", ""), 12);
  for (const auto& [key, id, ido] : std::vector<std::tuple<int32_t, int32_t, int32_t>>{
           {11, 10002, 450}, {11, 10002, 300}, {12, 20001, 61}, {11, 60000, 5}, {13, 10001, 9}}) {
    results_.Append();
    results_.FieldByName("NEVKOD").SetAsInteger(key);
    results_.FieldByName("JATEKKOD").SetAsInteger(id);
    results_.FieldByName("IDO").SetAsInteger(ido);
    results_.Post();
  }
  puzzles_.SetFilter("Nehezseg='A'");
  puzzles_.SetFiltered(true);

  const SummaryBuild build = Build();
  EXPECT_EQ(build.message, "");
  EXPECT_EQ(build.player_names, (std::vector<std::string>{"Anna", "Béla"}));
  EXPECT_EQ(Rows(summary_),
            (std::vector<std::string>{
                "Könnyű|1|-|-|-|-|-", "Könnyű|2|05:00|-|-|-|-", "Könnyű|3|-|-|-|-|-",
                "-|-|-|-|-|-|-", "Közepes|1|-|01:01|-|-|-", "Közepes|2|-|-|-|-|-",
                "Mester|2|-|-|-|-|-", "-|-|-|-|-|-|-", "Lehetetlen|1|-|-|-|-|-",
                "|3|00:05|-|-|-|-",  // 60000 is below 60001; "T" has no name
            }));
  EXPECT_EQ(summary_.RecNo(), 1);
  EXPECT_FALSE(summary_.ControlsDisabled());
  EXPECT_FALSE(puzzles_.Filtered());
  EXPECT_EQ(puzzles_.Filter(), "");
  EXPECT_EQ(results_.IndexFieldNames(), kIdo);
  EXPECT_FALSE(results_.Filtered());
}

TEST_F(Summary, EveryCellIsTheTextBestTimeTextGives) {
  for (uint32_t key : {5u, 6u, 7u, 8u, 9u}) Add(Player("Játékos" + std::to_string(key), ""), key);
  // A sixth row, as a file edited by hand may hold: the game itself stops at five.
  players_.Append();
  players_.FieldByName(kKod).SetAsInteger(10);
  players_.FieldByName(kNev).SetAsString("Játékos10");
  players_.Post();
  std::mt19937 random(2024);
  const std::vector<int32_t> ids = {10001, 10002, 10003, 20001, 20002, 40002, 50001};
  for (int row = 0; row < 3000; ++row) {
    results_.Append();
    results_.FieldByName("NEVKOD").SetAsInteger(4 + static_cast<int32_t>(random() % 7));
    results_.FieldByName("JATEKKOD").SetAsInteger(ids[random() % ids.size()]);
    if (random() % 50 != 0) results_.FieldByName("IDO").SetAsInteger(random() % 5000);
    results_.Post();
  }
  const SummaryBuild build = Build();
  ASSERT_EQ(build.player_names.size(), 5u);  // the sixth player has no column

  int filled = 0;
  for (summary_.First(); !summary_.Eof(); summary_.Next()) {
    if (summary_.FieldByName("NEHEZSEG").IsNull()) continue;
    const std::string sorszam = summary_.FieldByName("SORSZAM").AsString();
    const std::string level = summary_.FieldByName("NEHEZSEG").AsString();
    puzzles_.SetFilter("Sorszam=" + sorszam);
    puzzles_.SetFiltered(true);
    while (puzzles::LevelNameFromCode(puzzles_.FieldByName("NEHEZSEG").AsString()) != level) {
      puzzles_.Next();
    }
    const std::string id = puzzles_.FieldByName("ID").AsString();
    for (int k = 1; k <= 5; ++k) {
      const std::string key = std::to_string(4 + k);
      const std::string cell = summary_.FieldByName("NEV" + std::to_string(k)).AsString();
      EXPECT_EQ(cell, BestTimeText(results_, key, id)) << "player " << key << ", puzzle " << id;
      filled += !cell.empty();
    }
  }
  EXPECT_GT(filled, 30);
}

TEST_F(Summary, ClosedPlayerTableLeavesTheSummaryEmpty) {
  summary_.Append();
  summary_.Post();
  tables::TableStore closed = MakePlayerTable();
  const SummaryBuild build = BuildSummary(summary_, closed, puzzles_, results_);
  EXPECT_EQ(build.message, "Baj van!");
  EXPECT_EQ(summary_.RecordCount(), 0);
}

}  // namespace
}  // namespace kvadrix::players
