// A play folder's library brought up to the shipped one: what is copied, upgraded with a backup
// or left alone, against real files, and while another process holds the folder's lock.
#include "puzzles/library_upgrade.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <set>

#include "puzzles/id_history.h"
#include "support/temp_folder.h"
#include "tables/folder_lock.h"
#include "tables/table_store.h"

namespace kvadrix::puzzles {
namespace {

namespace fs = std::filesystem;
using Kind = LibraryUpdate::Kind;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

struct Puzzle {
  int32_t id;
  std::string mezok;
};

std::string LibraryBytes(const std::vector<Puzzle>& puzzles) {
  TempFolder scratch;
  tables::TableStore store(PuzzleFields());
  store.CreateDataSet();
  for (const Puzzle& puzzle : puzzles) {
    store.Append();
    store.FieldByName(kId).SetAsInteger(puzzle.id);
    store.FieldByName(kNehezseg).SetAsString("E");
    store.FieldByName(kSorszam).SetAsInteger(puzzle.id % 10000);
    store.FieldByName(kMezok).SetAsString(puzzle.mezok);
    store.Post();
  }
  store.MergeChangeLog();
  store.SaveToFile(scratch / "sudoku.xml");
  return ReadBytes(scratch / "sudoku.xml");
}

std::set<std::string> Entries(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// Release 1 shipped 10001 and 10002; release 2 adds 10003. The history knows all three.
class LibraryUpgradeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(package_ / "sudoku.xml", kRelease2);
    WriteBytes(package_ / "sudoku-ids.tsv",
               "# ID\tFNV-1a 64 of Mezok\n" + IdHistoryLines({{10001, Fnv1a64("115")},
                                                              {10002, Fnv1a64("126")},
                                                              {10003, Fnv1a64("137")}}));
  }
  LibraryUpdate Update() {
    return UpdatePlayFolderLibrary(package_ / "sudoku.xml", package_ / "sudoku-ids.tsv",
                                   play_.path(), "2026-12-09");
  }

  const std::string kRelease1 = LibraryBytes({{10001, "115"}, {10002, "126"}});
  const std::string kRelease2 = LibraryBytes({{10001, "115"}, {10002, "126"}, {10003, "137"}});
  TempFolder package_, play_;
};

TEST_F(LibraryUpgradeTest, CopiesUpgradesWithABackupThatIsNeverOverwrittenAndThenRests) {
  EXPECT_EQ(Update().kind, Kind::kCopied);
  EXPECT_EQ(ReadBytes(play_ / "sudoku.xml"), kRelease2);
  EXPECT_EQ(Entries(play_.path()), (std::set<std::string>{"sudoku.xml"}));

  const LibraryUpdate current = Update();
  EXPECT_EQ(current.kind, Kind::kCurrent);
  EXPECT_EQ(current.message, "");

  // An earlier release, twice on one day: each old file gets a backup of its own.
  for (const char* backup : {"sudoku.xml.2026-12-09.bak", "sudoku.xml.2026-12-09-2.bak"}) {
    WriteBytes(play_ / "sudoku.xml", kRelease1);
    const LibraryUpdate upgraded = Update();
    EXPECT_EQ(upgraded.kind, Kind::kUpgraded);
    EXPECT_EQ(upgraded.backup, play_ / backup);
    EXPECT_NE(upgraded.message.find(backup), std::string::npos) << upgraded.message;
    EXPECT_EQ(ReadBytes(play_ / "sudoku.xml"), kRelease2);
    EXPECT_EQ(ReadBytes(play_ / backup), kRelease1);
  }
  EXPECT_EQ(Update().kind, Kind::kCurrent);
}

TEST_F(LibraryUpgradeTest, LeavesAnythingButAShippedLibraryAloneAndSaysWhy) {
  const struct {
    std::string bytes;
    std::string reason;
  } cases[] = {
      {LibraryBytes({{10001, "115"}, {10002, "127"}}), "10002"},  // a grid the ID never had
      {LibraryBytes({{10001, "115"}, {10004, "148"}}), "10004"},  // an ID never shipped
      {"<nem XML", "nem olvasható"},
  };
  for (const auto& edited : cases) {
    SCOPED_TRACE(edited.reason);
    WriteBytes(play_ / "sudoku.xml", edited.bytes);
    const LibraryUpdate update = Update();
    EXPECT_EQ(update.kind, Kind::kLeftAlone);
    EXPECT_TRUE(update.message.starts_with("kvadrix: a játékmappa sudoku.xml fájlja"));
    EXPECT_NE(update.message.find(edited.reason), std::string::npos) << update.message;
    EXPECT_EQ(update.message.find('\n'), std::string::npos);
    EXPECT_EQ(ReadBytes(play_ / "sudoku.xml"), edited.bytes);
    EXPECT_EQ(Entries(play_.path()), (std::set<std::string>{"sudoku.xml"}));
  }
  // Without its history an installation cannot tell an earlier library from an edited one.
  fs::remove(package_ / "sudoku-ids.tsv");
  WriteBytes(play_ / "sudoku.xml", kRelease1);
  const LibraryUpdate unknown = Update();
  EXPECT_EQ(unknown.kind, Kind::kLeftAlone);
  EXPECT_NE(unknown.message.find("sudoku-ids.tsv"), std::string::npos) << unknown.message;
  EXPECT_EQ(ReadBytes(play_ / "sudoku.xml"), kRelease1);
  WriteBytes(play_ / "sudoku.xml", kRelease2);
  EXPECT_EQ(Update().kind, Kind::kCurrent);

  fs::remove(play_ / "sudoku.xml");
  fs::create_directory(play_ / "sudoku.xml");
  EXPECT_EQ(Update().kind, Kind::kLeftAlone);
}

// A start while another process holds the folder waits, then starts with the old library;
// once the holder is gone the next start upgrades.
TEST_F(LibraryUpgradeTest, WaitsForTheFoldersLockHeldByAnotherProcess) {
  WriteBytes(play_ / "sudoku.xml", kRelease1);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    const tables::FolderLock lock(play_.path());
    if (::write(ready[1], "x", 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  char byte;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  {
    const tables::ScopedLockWait short_wait(std::chrono::milliseconds(100));
    const LibraryUpdate busy = Update();
    EXPECT_EQ(busy.kind, Kind::kLeftAlone);
    EXPECT_NE(busy.message.find("másik ablak vagy gép"), std::string::npos) << busy.message;
    EXPECT_EQ(busy.message.find('\n'), std::string::npos);
    EXPECT_EQ(ReadBytes(play_ / "sudoku.xml"), kRelease1);
  }
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  EXPECT_EQ(Update().kind, Kind::kUpgraded);
  EXPECT_EQ(ReadBytes(play_ / "sudoku.xml"), kRelease2);
}

// The library as release 1.15 shipped it, before IDs kept their grids: its grids are not the
// ones the history records for their IDs, yet it is the package's own and is upgraded. One byte
// more makes it the player's, and it stays.
TEST(LibraryUpgradeOfRelease115, IsUpgradedWhileAnEditedCopyStays) {
  const fs::path source(KVADRIX_SOURCE_DIR);
  const std::string release_115 = ReadBytes(source / "tests" / "data" / "sudoku-1.15.xml");
  const std::string shipped = ReadBytes(source / "data" / "sudoku.xml");
  ASSERT_NE(release_115, shipped);
  for (const bool edited : {false, true}) {
    const TempFolder play;
    std::string old_bytes = release_115;
    if (edited) old_bytes.insert(old_bytes.find("</ROWDATA>"), " ");
    WriteBytes(play / "sudoku.xml", old_bytes);
    const LibraryUpdate update =
        UpdatePlayFolderLibrary(source / "data" / "sudoku.xml", source / "data" / "sudoku-ids.tsv",
                                play.path(), "2026-12-09");
    EXPECT_EQ(update.kind, edited ? Kind::kLeftAlone : Kind::kUpgraded) << update.message;
    EXPECT_EQ(ReadBytes(play / "sudoku.xml"), edited ? old_bytes : shipped);
    if (!edited) {
      EXPECT_EQ(ReadBytes(play / "sudoku.xml.2026-12-09.bak"), release_115);
    }
  }
}

}  // namespace
}  // namespace kvadrix::puzzles
