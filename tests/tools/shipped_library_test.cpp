// The library the game ships with: read back with the game's own reader, every record must keep
// the identifier and numbering rules the game relies on, every puzzle must have one solution and
// sit in the level its techniques put it in, and the file must be what the generator writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "board/givens.h"
#include "puzzlegen/grading.h"
#include "puzzlegen/library.h"
#include "puzzles/id_history.h"
#include "puzzles/levels.h"
#include "puzzles/puzzle_table.h"
#include "solver/exact_solver.h"
#include "support/table_test_support.h"
#include "tables/table_store.h"

namespace kvadrix::puzzlegen {
namespace {

const std::filesystem::path kLibraryFile =
    std::filesystem::path(KVADRIX_SOURCE_DIR) / "data" / "sudoku.xml";
const std::filesystem::path kIdHistoryFile =
    std::filesystem::path(KVADRIX_SOURCE_DIR) / "data" / puzzles::kIdHistoryFile;

std::vector<puzzles::PuzzleRecord> ById(const std::vector<LibraryRecord>& records) {
  std::vector<puzzles::PuzzleRecord> by_id;
  for (const LibraryRecord& record : records) by_id.push_back({record.id, record.mezok});
  return by_id;
}

struct ShippedPuzzle {
  LibraryRecord record;
  solver::Grid81 givens{};
};

// Decodes Mezok; fails on a cell given twice, a clash in a unit, or groups out of row order.
::testing::AssertionResult Decode(const std::string& mezok, solver::Grid81& givens) {
  try {
    board::ValidateGivens(mezok);
  } catch (const std::exception& error) {
    return ::testing::AssertionFailure() << error.what();
  }
  givens.fill(0);
  int previous = -1;
  for (size_t i = 0; i < mezok.size(); i += 3) {
    const int row = mezok[i] - '1', col = mezok[i + 1] - '1', digit = mezok[i + 2] - '0';
    const int cell = row * 9 + col;
    if (cell <= previous) return ::testing::AssertionFailure() << "not row by row at " << i;
    previous = cell;
    for (int k = 0; k < 9; ++k) {
      const int box_cell = (row / 3 * 3 + k / 3) * 9 + col / 3 * 3 + k % 3;
      if (givens[row * 9 + k] == digit || givens[k * 9 + col] == digit ||
          givens[box_cell] == digit) {
        return ::testing::AssertionFailure() << "digit " << digit << " clashes at " << i;
      }
    }
    givens[cell] = static_cast<uint8_t>(digit);
  }
  return ::testing::AssertionSuccess();
}

class ShippedLibraryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    puzzles_ = new std::vector<ShippedPuzzle>;
    store_ = new tables::TableStore;
    store_->LoadFromFile(kLibraryFile);
    for (store_->First(); !store_->Eof(); store_->Next()) {
      ShippedPuzzle puzzle;
      puzzle.record.id = store_->FieldByName("ID").AsInteger();
      const std::string level = store_->FieldByName("NEHEZSEG").AsString();
      puzzle.record.level = level.size() == 1 ? level[0] : '?';
      puzzle.record.number = store_->FieldByName("SORSZAM").AsInteger();
      puzzle.record.mezok = store_->FieldByName("Mezok").AsString();
      puzzles_->push_back(puzzle);
    }
  }
  static void TearDownTestSuite() {
    delete puzzles_;
    delete store_;
  }

  static std::vector<ShippedPuzzle>* puzzles_;
  static tables::TableStore* store_;
};

std::vector<ShippedPuzzle>* ShippedLibraryTest::puzzles_ = nullptr;
tables::TableStore* ShippedLibraryTest::store_ = nullptr;

TEST_F(ShippedLibraryTest, FileIsAnUnchangedTableWithTheLibraryFields) {
  tables::TableStore& store = *store_;
  const std::vector<tables::FieldDef> expected = puzzles::PuzzleFields();
  ASSERT_EQ(store.FieldCount(), static_cast<int>(expected.size()));
  for (int i = 0; i < store.FieldCount(); ++i) {
    EXPECT_EQ(store.Field(i).name, expected[i].name);
    EXPECT_EQ(store.Field(i).fieldtype, expected[i].fieldtype);
    EXPECT_EQ(store.Field(i).width, expected[i].width);
  }
  EXPECT_TRUE(store.ChangeLog().empty());
  ASSERT_EQ(store.StoredRecordCount(), store.RecordCount());
  for (int record = 1; record <= store.StoredRecordCount(); ++record) {
    ASSERT_EQ(store.StoredRecordState(record), tables::kUnchanged) << record;
  }
  // The game's own selections: one level, one game of a level, the numbered levels.
  store.SetIndexFieldNames("ID");
  store.SetFiltered(true);
  for (const LevelQuota& quota : kLibraryQuotas) {
    store.SetFilter(puzzles::LevelFilter(quota.code));
    EXPECT_EQ(store.RecordCount(), quota.count) << quota.code;
    store.SetFilter(puzzles::GameFilter(quota.code, quota.count));
    EXPECT_EQ(store.RecordCount(), 1) << quota.code;
  }
  store.SetFilter(puzzles::kNumberedLevelsFilter);
  EXPECT_EQ(store.RecordCount(), 1200);
  store.SetFilter("");
  store.SetFiltered(false);
  store.SetIndexFieldNames("");

  // Byte for byte what the table writer makes of these records: one line, code page 1250,
  // no RowState, no change log.
  std::vector<LibraryRecord> records;
  for (const ShippedPuzzle& puzzle : *puzzles_) records.push_back(puzzle.record);
  tables::testing::TempFolder dir;
  WriteLibrary(dir / "sudoku.xml", records);
  const std::string shipped = tables::testing::ReadBytes(kLibraryFile);
  EXPECT_EQ(tables::testing::ReadBytes(dir / "sudoku.xml"), shipped);
  EXPECT_EQ(shipped.find('\n'), std::string::npos);
  EXPECT_EQ(shipped.find("RowState"), std::string::npos);
}

TEST_F(ShippedLibraryTest, IdentifiersFollowTheLevelAndNumberingRules) {
  ASSERT_EQ(puzzles_->size(), 1250u);
  std::map<char, int> next_number;
  int previous_id = 0;
  for (const ShippedPuzzle& puzzle : *puzzles_) {
    const LibraryRecord& r = puzzle.record;
    EXPECT_GT(r.id, previous_id) << "records out of ID order (or repeated) at " << r.id;
    previous_id = r.id;
    const int number = ++next_number[r.level];
    EXPECT_EQ(r.number, number) << "game numbers of " << r.level << " skip at " << r.id;
    if (r.level == 'T') {
      EXPECT_EQ(r.id, kFirstOtherId + number - 1);
      EXPECT_TRUE(puzzles::IsBeyondNumberedLevels(r.id));
      continue;
    }
    ASSERT_EQ(puzzles::PuzzleId(r.level, r.number), r.id) << "level " << r.level;
    ASSERT_TRUE(puzzles::LevelNameFromId(r.id).has_value());
    EXPECT_EQ(puzzles::LevelCodeFromName(*puzzles::LevelNameFromId(r.id)), r.level);
    EXPECT_EQ(puzzles::GameNumberFromId(r.id), r.number);
  }
  for (const LevelQuota& quota : kLibraryQuotas) {
    EXPECT_EQ(next_number[quota.code], quota.count) << quota.code;
  }
}

TEST_F(ShippedLibraryTest, EveryPuzzleIsDistinctUniqueAndInItsLevel) {
  std::set<solver::Grid81> seen;
  for (ShippedPuzzle& puzzle : *puzzles_) {
    const LibraryRecord& r = puzzle.record;
    ASSERT_TRUE(Decode(r.mezok, puzzle.givens)) << r.id;
    EXPECT_TRUE(seen.insert(puzzle.givens).second) << "givens repeated at " << r.id;
    if (r.level == 'T') {
      EXPECT_EQ(solver::CountSolutions(puzzle.givens, 2), 1) << r.id;
    } else {
      EXPECT_EQ(NumberedLevelOf(puzzle.givens), r.level) << r.id;
    }
  }
}

// Results and last games name puzzles by ID: every ID shipped is recorded, with its grid.
TEST_F(ShippedLibraryTest, EveryShippedIdIsRecordedInTheHistoryWithItsGivens) {
  std::vector<LibraryRecord> records;
  for (const ShippedPuzzle& puzzle : *puzzles_) records.push_back(puzzle.record);
  const puzzles::IdHistory history = puzzles::ReadIdHistory(kIdHistoryFile);
  const auto changed = puzzles::FirstChangedId(history, ById(records));
  EXPECT_FALSE(changed.has_value()) << changed->id;
  EXPECT_EQ(puzzles::NewIds(history, ById(records)).size(), 0u);
}

// A stale file (or a generator that depends on more than its seed) shows here, and so does a
// generator that would give a recorded ID other givens. Two levels are
// remade, the first and one of the hard ones, to keep the test short.
TEST_F(ShippedLibraryTest, MatchesWhatTheGeneratorMakesFromTheLibrarySeed) {
  for (size_t index : {size_t{0}, size_t{4}}) {
    std::set<solver::Grid81> taken;
    std::vector<LibraryRecord> shipped;
    for (const ShippedPuzzle& puzzle : *puzzles_) {
      if (puzzle.record.level == kLibraryQuotas[index].code) shipped.push_back(puzzle.record);
      // Only the levels made earlier are known to the generator when it makes this one.
      for (size_t before = 0; before < index; ++before) {
        if (puzzle.record.level == kLibraryQuotas[before].code) {
          solver::Grid81 givens{};
          ASSERT_TRUE(Decode(puzzle.record.mezok, givens));
          taken.insert(givens);
        }
      }
    }
    const std::vector<LibraryRecord> remade = MakeLibraryLevel(index, kLibrarySeed, taken);
    const auto changed =
        puzzles::FirstChangedId(puzzles::ReadIdHistory(kIdHistoryFile), ById(remade));
    EXPECT_FALSE(changed.has_value()) << changed->id;
    ASSERT_EQ(remade.size(), shipped.size());
    for (size_t i = 0; i < remade.size(); ++i) {
      EXPECT_EQ(remade[i].id, shipped[i].id);
      ASSERT_EQ(remade[i].mezok, shipped[i].mezok) << shipped[i].id;
    }
  }
}

}  // namespace
}  // namespace kvadrix::puzzlegen
