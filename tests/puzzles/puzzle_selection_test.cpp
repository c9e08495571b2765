#include "puzzles/puzzle_selection.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "support/fakes.h"
#include "support/puzzle_files.h"
#include "support/temp_folder.h"

namespace kvadrix::puzzles {
namespace {

using testing::PuzzleRecord;
using Action = NextPuzzle::Action;

class PuzzleSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    // A "Többi" puzzle with a one-digit ID, two "Többi" puzzles sharing a game number, and one
    // beyond the numbered levels; "Nehéz" has none.
    std::vector<PuzzleRecord> records = {{60001, "T", 2}, {7, "T", 1}, {60002, "T", 2}};
    testing::AddLevel(records, 'A', 2, 2);
    testing::AddLevel(records, 'E', 1, 300);
    testing::AddLevel(records, 'I', 5, 1);
    puzzles_ = testing::PuzzleTable(folder_ / "sudoku.xml", records);
  }
  int32_t CurrentId() { return puzzles_.FieldByName("ID").AsInteger(); }
  void ExpectStart(const NextPuzzle& next, int32_t id, std::optional<std::string> level,
                   std::optional<std::string> number) {
    EXPECT_EQ(next.action, Action::kStart);
    EXPECT_EQ(next.id, id);
    EXPECT_EQ(CurrentId(), id) << "the cursor is on the puzzle to start";
    EXPECT_EQ(next.level_text, level);
    EXPECT_EQ(next.number_text, number);
  }

  testing::TempFolder folder_;
  tables::TableStore puzzles_;
};

TEST_F(PuzzleSelection, ChangingTheLevelListsItsGameNumbersAndKeepsItsFilter) {
  GameNumberList list = ChangeLevel(puzzles_, "Közepes");
  EXPECT_EQ(list.count_label, "(2)");
  EXPECT_EQ(list.items, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(list.text, "1");
  EXPECT_TRUE(puzzles_.Filtered());
  EXPECT_EQ(puzzles_.RecordCount(), 2);

  list = ChangeLevel(puzzles_, "Könnyű");
  EXPECT_EQ(list.count_label, "(300)");
  ASSERT_EQ(list.items.size(), 300u);
  EXPECT_EQ(list.items.back(), "300");

  list = ChangeLevel(puzzles_, "Nehéz");
  EXPECT_EQ(list.count_label, "(0)");
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(list.text, "");
  EXPECT_EQ(puzzles_.Filter(), "Nehezseg='H'");

  // Text that names no level lists nothing and leaves the table's view as it was.
  list = ChangeLevel(puzzles_, "");
  EXPECT_EQ(list.count_label, "(0)");
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(puzzles_.Filter(), "Nehezseg='H'");
  EXPECT_EQ(ChangeLevel(puzzles_, "nehéz").count_label, "(0)");
  EXPECT_EQ(puzzles_.Filter(), "Nehezseg='H'");

  // At start the first level is listed, and the whole library stays in view.
  list = PrepareFirstLevel(puzzles_);
  EXPECT_EQ(list.count_label, "(300)");
  EXPECT_EQ(list.items.size(), 300u);
  EXPECT_EQ(list.text, "1");
  EXPECT_FALSE(puzzles_.Filtered());
  EXPECT_EQ(puzzles_.Filter(), "");
  EXPECT_EQ(puzzles_.RecordCount(), 306);
}

TEST_F(PuzzleSelection, LoadingTakesExactlyOnePuzzleOfTheLevelAndNumber) {
  LoadChoice choice = ChoosePuzzle(puzzles_, "Közepes", "2");
  EXPECT_TRUE(choice.done);
  EXPECT_EQ(CurrentId(), 20002);
  EXPECT_TRUE(ChoosePuzzle(puzzles_, "Többi", "1").done);
  EXPECT_EQ(CurrentId(), 7);
  EXPECT_TRUE(ChoosePuzzle(puzzles_, "Könnyű", " 007 ").done);
  EXPECT_EQ(CurrentId(), 10007);

  for (const auto& [level, number] : std::vector<std::pair<std::string, std::string>>{
           {"Nehéz", "1"}, {"Többi", "2"}, {"Közepes", "3"}, {"Foo", "1"}, {"Könnyű", "0"}}) {
    choice = ChoosePuzzle(puzzles_, level, number);
    EXPECT_FALSE(choice.done) << level << number;
    EXPECT_EQ(choice.message, "Hiba történt, kérem válasszon ki egy másik játékot!");
  }
  // A failed choice keeps its filter on: the view is what it found.
  EXPECT_TRUE(puzzles_.Filtered());
  EXPECT_EQ(puzzles_.Filter(), "Nehezseg='E' and Sorszam=0");

  choice = ChoosePuzzle(puzzles_, "", "1");
  EXPECT_EQ(choice.message, "Kérem válasszon ki egy szintet!");
  EXPECT_EQ(puzzles_.Filter(), "Nehezseg='E' and Sorszam=0");
  // A level without puzzles leaves the number box empty: nothing to load, not a bad number.
  for (const char* number : {"", "  "}) {
    EXPECT_EQ(ChoosePuzzle(puzzles_, "Nehéz", number).message,
              "Hiba történt, kérem válasszon ki egy másik játékot!");
  }
  for (const char* number : {"x", "1x", "3.5", "99999999999"}) {
    choice = ChoosePuzzle(puzzles_, "Könnyű", number);
    EXPECT_FALSE(choice.done);
    EXPECT_TRUE(choice.keeps_export);
    EXPECT_EQ(choice.message, "\"" + std::string(number) + "\" nem érvényes szám.");
    EXPECT_EQ(puzzles_.Filter(), "Nehezseg='E' and Sorszam=0");
  }
}

TEST_F(PuzzleSelection, NextPuzzleFollowsTheViewInForce) {
  puzzles_.SetFiltered(false);  // as after a game started
  ExpectStart(FindNextPuzzle(puzzles_, 10005), 10006, "Könnyű", "6");
  ExpectStart(FindNextPuzzle(puzzles_, 10300), 20001, "Közepes", "1");
  ExpectStart(FindNextPuzzle(puzzles_, 7), 10001, "Könnyű", "1");
  EXPECT_EQ(FindNextPuzzle(puzzles_, 50001).action, Action::kNoMore);  // 60001 is beyond
  EXPECT_EQ(FindNextPuzzle(puzzles_, 60002).action, Action::kNoMore);  // the last record
  EXPECT_EQ(FindNextPuzzle(puzzles_, 12345).action, Action::kNothing);

  ChangeLevel(puzzles_, "Közepes");
  EXPECT_EQ(FindNextPuzzle(puzzles_, 10005).action, Action::kNothing);
  ExpectStart(FindNextPuzzle(puzzles_, 20001), 20002, "Közepes", "2");
  EXPECT_EQ(FindNextPuzzle(puzzles_, 20002).action, Action::kNoMore);
  EXPECT_EQ(puzzles_.Filter(), "Nehezseg='A'");

  ChoosePuzzle(puzzles_, "Nehéz", "1");
  EXPECT_EQ(FindNextPuzzle(puzzles_, 20001).action, Action::kNothing);
}

TEST_F(PuzzleSelection, ReloadFindsTheSamePuzzleInTheView) {
  puzzles_.SetFiltered(false);
  ExpectStart(FindCurrentPuzzle(puzzles_, 20002), 20002, "Közepes", "2");
  ExpectStart(FindCurrentPuzzle(puzzles_, 10300), 10300, "Könnyű", "300");
  ExpectStart(FindCurrentPuzzle(puzzles_, 7), 7, std::nullopt, std::nullopt);
  EXPECT_EQ(FindCurrentPuzzle(puzzles_, 60001).action, Action::kNoMore);
  EXPECT_EQ(FindCurrentPuzzle(puzzles_, 4).action, Action::kNothing);
  ChangeLevel(puzzles_, "Lehetetlen");
  EXPECT_EQ(FindCurrentPuzzle(puzzles_, 20002).action, Action::kNothing);
  ExpectStart(FindCurrentPuzzle(puzzles_, 50001), 50001, "Lehetetlen", "1");
}

}  // namespace
}  // namespace kvadrix::puzzles
