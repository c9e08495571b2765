// The play folder generator against the game's own operations: its files are the bytes the game
// writes game by game, and the game reads them back with the history they were made from.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/error.h"
#include "players/best_results.h"
#include "players/completion_records.h"
#include "players/last_game.h"
#include "players/player_list.h"
#include "players/player_tables.h"
#include "players/summary.h"
#include "playfolder/folder_builder.h"
#include "puzzles/puzzle_table.h"
#include "support/temp_folder.h"
#include "tables/file_writer.h"

namespace kvadrix::playfolder {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

const std::filesystem::path kLibrary =
    std::filesystem::path(KVADRIX_SOURCE_DIR) / "data" / puzzles::kPuzzleFile;
constexpr std::string_view kFiles[] = {players::kPlayerFile, players::kResultFile,
                                       players::kLastGameFile, puzzles::kPuzzleFile};

TEST(PlayFolder, BuiltInMemoryIsByteForByteWhatTheGameWritesGameByGame) {
  // Many games closed midway, five players' games interleaved, and days that reload the files.
  const FolderShape shapes[] = {
      {.players = 3, .days = 3, .games_per_day = 5, .seed = 11, .unfinished_share = 0.3},
      {.players = 5, .days = 2, .games_per_day = 8, .seed = 12, .unfinished_share = 0.5},
      {.players = 1, .days = 1, .games_per_day = 1, .seed = 13, .unfinished_share = 0},
  };
  for (const FolderShape& shape : shapes) {
    SCOPED_TRACE("seed " + std::to_string(shape.seed));
    const TempFolder fast;
    const TempFolder reference;
    const BuiltFolder built = BuildPlayFolder(shape, kLibrary, fast.path());
    const BuiltFolder played = PlayGameByGame(shape, kLibrary, reference.path());
    EXPECT_EQ(built.keys, played.keys);
    EXPECT_EQ(built.results, shape.players * shape.days * shape.games_per_day);
    EXPECT_EQ(built.closed_midway > 0, shape.unfinished_share > 0);
    for (const std::string_view file : kFiles) {
      const std::string bytes = ReadBytes(fast / file);
      EXPECT_FALSE(bytes.empty()) << file;
      EXPECT_TRUE(bytes == ReadBytes(reference / file)) << file << " differs";
    }
  }
}

TEST(PlayFolder, GeneratedFolderOpensWithItsHistory) {
  const FolderShape shape{.players = 5, .days = 30, .games_per_day = 20, .seed = 5};
  const TempFolder folder;
  const BuiltFolder built = BuildPlayFolder(shape, kLibrary, folder.path());
  ASSERT_EQ(built.results, 3000);
  EXPECT_GT(built.closed_midway, 0);

  tables::TableStore players = players::MakePlayerTable();
  tables::TableStore results = players::MakeResultTable();
  tables::TableStore last_games = players::MakeLastGameTable();
  tables::TableStore puzzles;
  puzzles::LoadPuzzleTable(puzzles, folder / puzzles::kPuzzleFile);
  std::vector<std::string> names;
  for (const players::NewPlayer& player : PlayersOf(shape)) names.push_back(player.name);
  EXPECT_EQ(players::ReloadPlayerList(players, folder.path()), names);
  results.LoadFromFile(folder / players::kResultFile);
  last_games.LoadFromFile(folder / players::kLastGameFile);
  EXPECT_EQ(results.RecordCount(), 3000);
  EXPECT_EQ(results.StoredRecordCount(), 3000);
  EXPECT_EQ(last_games.RecordCount(), 5);
  EXPECT_EQ(last_games.StoredRecordCount(), built.results + built.closed_midway);

  // Every result lies within the days of play.
  const double first_day = shape.last_day - shape.days + 1;
  for (results.First(); !results.Eof(); results.Next()) {
    const double day = results.FieldByName(players::kDatum).AsDateTime();
    ASSERT_GE(day, first_day);
    ASSERT_LE(day, shape.last_day);
  }
  // Each player is offered the next puzzle after her last one, on which she has a best time.
  for (size_t i = 0; i < built.keys.size(); ++i) {
    const players::LastGameOffer offer =
        players::LookUpLastGame(last_games, folder.path(), built.keys[i]);
    EXPECT_EQ(offer.kind, players::LastGameOffer::Kind::kFinished) << names[i];
    EXPECT_EQ(offer.puzzle_id, built.last_puzzles[i]) << names[i];
    EXPECT_NE(players::BestTimeText(results, std::to_string(built.keys[i]),
                                    std::to_string(built.last_puzzles[i])),
              "");
  }
  tables::TableStore summary = players::MakeSummaryTable();
  summary.CreateDataSet();
  EXPECT_EQ(players::BuildSummary(summary, players, puzzles, results).player_names, names);

  // Read, looked through and saved again, the files come back unchanged.
  EXPECT_TRUE(players.SaveToBytes() == ReadBytes(folder / players::kPlayerFile));
  EXPECT_TRUE(results.SaveToBytes() == ReadBytes(folder / players::kResultFile));
  EXPECT_TRUE(last_games.SaveToBytes() == ReadBytes(folder / players::kLastGameFile));
  EXPECT_TRUE(ReadBytes(folder / puzzles::kPuzzleFile) == ReadBytes(kLibrary));
}

TEST(PlayFolder, NoGamesLeavesOnlyThePlayersAndNoPlayersOnlyTheLibrary) {
  const TempFolder no_games;
  BuildPlayFolder({.players = 2, .days = 0}, kLibrary, no_games.path());
  EXPECT_TRUE(std::filesystem::exists(no_games / players::kPlayerFile));
  EXPECT_FALSE(std::filesystem::exists(no_games / players::kResultFile));
  EXPECT_FALSE(std::filesystem::exists(no_games / players::kLastGameFile));

  const TempFolder nobody;
  BuildPlayFolder({.players = 0, .days = 3}, kLibrary, nobody.path());
  EXPECT_FALSE(std::filesystem::exists(nobody / players::kPlayerFile));
  EXPECT_FALSE(std::filesystem::exists(nobody / players::kResultFile));
  EXPECT_TRUE(std::filesystem::exists(nobody / puzzles::kPuzzleFile));
  // A folder that already holds a table is not written into.
  EXPECT_THROW(BuildPlayFolder({.players = 1, .days = 1}, kLibrary, no_games.path()), Error);
}

// Counts the old files' byte ranges a splicing save copies.
struct CountingCopies : tables::FileWriter {
  ssize_t CopyRange(int from_fd, off_t* from_offset, int to_fd, size_t size) override {
    ++ranges;
    return FileWriter::CopyRange(from_fd, from_offset, to_fd, size);
  }
  int ranges = 0;
};

// Ten years of a family's play: both big files round-trip byte for byte through load and save,
// and a finished game saved by splicing the files gives the bytes of a whole write.
TEST(PlayFolder, TenYearsRoundTripAndAFinishedGameSplicesToTheWholeWrite) {
  const FolderShape shape{.players = 5, .days = 3650, .games_per_day = 20, .seed = 7};
  const TempFolder folder;
  const BuiltFolder built = BuildPlayFolder(shape, kLibrary, folder.path());
  ASSERT_EQ(built.results, 365000);
  tables::TableStore players = players::MakePlayerTable();
  tables::TableStore results = players::MakeResultTable();
  tables::TableStore last_games = players::MakeLastGameTable();
  players::ReloadPlayerList(players, folder.path());
  results.LoadFromFile(folder / players::kResultFile);
  last_games.LoadFromFile(folder / players::kLastGameFile);
  EXPECT_TRUE(results.SaveToBytes() == ReadBytes(folder / players::kResultFile));
  EXPECT_TRUE(last_games.SaveToBytes() == ReadBytes(folder / players::kLastGameFile));

  const players::CompletedGame game{built.keys[0], 10042, shape.last_day + 0.5,
                                    shape.last_day + 0.51};
  CountingCopies copies;
  {
    const tables::ScopedFileWriter counting(copies);
    ASSERT_TRUE(
        players::RecordCompletion({players, results, last_games}, folder.path(), game).done);
  }
  EXPECT_GT(copies.ranges, 0);  // the unchanged rows were copied, not written anew
  EXPECT_TRUE(results.SaveToBytes() == ReadBytes(folder / players::kResultFile));
  EXPECT_TRUE(last_games.SaveToBytes() == ReadBytes(folder / players::kLastGameFile));
  tables::TableStore reread = players::MakeLastGameTable();
  reread.LoadFromFile(folder / players::kLastGameFile);
  EXPECT_EQ(players::LookUpLastGame(reread, folder.path(), built.keys[0]).puzzle_id, 10042);
}

}  // namespace
}  // namespace kvadrix::playfolder
