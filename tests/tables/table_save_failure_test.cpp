// Saves that fail half way (a full disk, a failing flush or rename, a folder that cannot be
// written): the message names the file and the reason, the file on disk and the store in memory
// stay as they were, and no temporary file is left; the next save that can succeed writes all.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <set>

#include "common/error.h"
#include "support/failing_writer.h"
#include "support/table_test_support.h"
#include "tables/store_guards.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {
namespace {

std::set<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

void AppendPlayer(TableStore& players, int key, const std::string& name) {
  players.Append();
  players.FieldByName("kod").SetAsInteger(key);
  players.FieldByName("nev").SetAsString(name);
  players.Post();
}

// The player file with two players on disk, and the store with a third one not yet saved.
struct SavedPlayers {
  TempFolder dir;
  std::filesystem::path file = dir / "jatekosok.xml";
  TableStore players{PlayerFields()};
  std::string on_disk;
  std::string in_memory;

  SavedPlayers() {
    players.SetOwnerOnlyFile(true);
    players.CreateDataSet();
    AppendPlayer(players, 1, "Anna");
    AppendPlayer(players, 2, "Béla");
    players.SaveToFile(file);
    on_disk = ReadBytes(file);
    AppendPlayer(players, 3, "Cili");
    players.SetFilter("KOD<3");
    players.SetFiltered(true);
    players.Next();
    in_memory = players.SaveToBytes();
  }

  // Nothing was lost: the file as before, the store with its view and cursor as before.
  void ExpectUnchanged(const std::string& label) {
    EXPECT_EQ(ReadBytes(file), on_disk) << label;
    EXPECT_EQ(FolderEntries(dir.path()), std::set<std::string>{"jatekosok.xml"}) << label;
    EXPECT_EQ(players.SaveToBytes(), in_memory) << label;
    EXPECT_EQ(players.RecordCount(), 2) << label;
    EXPECT_EQ(players.FieldByName("nev").AsString(), "Béla") << label;
  }
};

std::string SaveError(TableStore& table, const std::filesystem::path& file) {
  try {
    table.SaveToFile(file);
  } catch (const Error& error) {
    return error.what();
  }
  return "(saved)";
}

TEST(TableSaveFailure, EveryFailingStepKeepsFileAndStoreAndNamesTheReason) {
  struct Case {
    const char* label;
    WriterCall call;
    int error_number;
    size_t written_before_failure;
    const char* reason;
  };
  const Case cases[] = {
      {"read-only folder", WriterCall::kOpen, EACCES, 0, "nincs hozzá jogosultság"},
      {"read-only file system", WriterCall::kOpen, EROFS, 0, "a fájlrendszer csak olvasható"},
      {"too many open files", WriterCall::kOpen, EMFILE, 0, "túl sok a megnyitott fájl"},
      {"permissions", WriterCall::kChangeMode, EPERM, 0, "nincs hozzá jogosultság"},
      {"full disk at once", WriterCall::kWrite, ENOSPC, 0, "megtelt a lemez"},
      {"full disk half way", WriterCall::kWrite, ENOSPC, 100, "megtelt a lemez"},
      {"quota", WriterCall::kWrite, EDQUOT, 7, "elfogyott a lemezkvóta"},
      {"write without progress", WriterCall::kWrite, 0, 50, "megtelt a lemez"},
      {"flush", WriterCall::kSync, EIO, 0, "lemezhiba"},
      {"close", WriterCall::kClose, EIO, 0, "lemezhiba"},
      {"rename", WriterCall::kRename, EACCES, 0, "nincs hozzá jogosultság"},
      {"rename across devices", WriterCall::kRename, EXDEV, 0, "rendszerhiba: "},
  };
  for (const Case& c : cases) {
    SavedPlayers saved;
    {
      FailingWriter writer(c.call, c.error_number, c.written_before_failure);
      ScopedFileWriter scope(writer);
      const std::string message = SaveError(saved.players, saved.file);
      EXPECT_EQ(
          message.rfind("A(z) \"" + saved.file.string() + "\" fájl nem menthető: " + c.reason, 0),
          0u)
          << c.label << ": " << message;
      EXPECT_EQ(message.back(), '.') << c.label;
      saved.ExpectUnchanged(c.label);
    }
    saved.players.SaveToFile(saved.file);  // the real disk again: the unsaved player is written
    TableStore reloaded(PlayerFields());
    reloaded.LoadFromFile(saved.file);
    EXPECT_EQ(reloaded.SaveToBytes(), saved.in_memory) << c.label;
  }
}

// A change and its save as one step: a save that fails takes the change back in memory, whatever
// it was, so the store never holds what its file does not.
TEST(TableSaveFailure, AChangeThatCannotBeSavedIsTakenBack) {
  const std::vector<std::pair<const char*, std::function<void(TableStore&)>>> changes = {
      {"append", [](TableStore& t) { AppendPlayer(t, 3, "Cili Árvíztűrő"); }},
      {"append pending",
       [](TableStore& t) {
         t.Append();
         t.FieldByName("nev").SetAsString("Dóra");
       }},
      {"edit",
       [](TableStore& t) {
         t.Edit();
         t.FieldByName("nev").SetAsString("Bella");
         t.Post();
       }},
      {"delete", [](TableStore& t) { t.Delete(); }},
      {"edit and delete",
       [](TableStore& t) {
         t.Edit();
         t.FieldByName("kod").SetAsInteger(9);
         t.First();
         t.Delete();
       }},
  };
  for (const auto& [label, change] : changes) {
    TempFolder dir;
    const auto file = dir / "jatekosok.xml";
    TableStore players(PlayerFields());
    players.CreateDataSet();
    AppendPlayer(players, 1, "Anna");
    AppendPlayer(players, 2, "Béla");
    players.SaveToFile(file);
    players.Next();  // the cursor on Béla
    const std::string before = players.SaveToBytes();
    {
      FailingWriter full(WriterCall::kWrite, ENOSPC, 10);
      ScopedFileWriter scope(full);
      SavedChange saved(players);
      change(players);
      EXPECT_THROW(saved.Save(file), Error) << label;
    }
    EXPECT_EQ(players.SaveToBytes(), before) << label;
    EXPECT_EQ(ReadBytes(file), before) << label;
    EXPECT_EQ(players.RecordCount(), 2) << label;
    EXPECT_EQ(players.FieldByName("nev").AsString(), "Béla") << label;
    EXPECT_FALSE(players.Editing()) << label;
    {
      SavedChange saved(players);
      change(players);
      saved.Save(file);
    }
    TableStore reloaded(PlayerFields());
    reloaded.LoadFromFile(file);
    EXPECT_EQ(reloaded.SaveToBytes(), players.SaveToBytes()) << label;
    EXPECT_NE(players.SaveToBytes(), before) << label;
  }

  // Data loaded anew inside the scope is not the data the checkpoint knew: it stays.
  TempFolder dir;
  TableStore players(PlayerFields());
  players.CreateDataSet();
  AppendPlayer(players, 1, "Anna");
  players.SaveToFile(dir / "jatekosok.xml");
  players.CreateDataSet();
  {
    SavedChange unsaved(players);
    players.LoadFromFile(dir / "jatekosok.xml");
  }
  EXPECT_EQ(players.RecordCount(), 1);
}

TEST(TableSaveFailure, FolderWithoutWritePermission) {
  if (!PermissionsBind()) GTEST_SKIP() << "permissions do not bind this process";
  SavedPlayers saved;
  ::chmod(saved.dir.path().c_str(), 0555);
  const std::string message = SaveError(saved.players, saved.file);
  ::chmod(saved.dir.path().c_str(), 0755);
  EXPECT_EQ(message, "A(z) \"" + saved.file.string() +
                         "\" fájl nem menthető: " + "nincs hozzá jogosultság.");
  saved.ExpectUnchanged("chmod 0555");
}

// The rename would only need the folder's permission: a file made read-only is refused before,
// and a change saved into it is taken back, so memory keeps what the disk holds.
TEST(TableSaveFailure, FileWithoutWritePermission) {
  if (!PermissionsBind()) GTEST_SKIP() << "permissions do not bind this process";
  SavedPlayers saved;
  ::chmod(saved.file.c_str(), 0444);
  EXPECT_EQ(SaveError(saved.players, saved.file),
            "A(z) \"" + saved.file.string() + "\" fájl nem menthető: nincs hozzá jogosultság.");
  saved.ExpectUnchanged("chmod 0444");
  {
    SavedChange change(saved.players);
    AppendPlayer(saved.players, 4, "Dóra");
    EXPECT_THROW(change.Save(saved.file), Error);
  }
  saved.ExpectUnchanged("chmod 0444, change taken back");
  // Nor through a link to it.
  TempFolder other;
  std::filesystem::create_symlink(saved.file, other / "jatekosok.xml");
  EXPECT_EQ(SaveError(saved.players, other / "jatekosok.xml"),
            "A(z) \"" + (other / "jatekosok.xml").string() +
                "\" fájl nem menthető: nincs hozzá jogosultság.");
  saved.ExpectUnchanged("chmod 0444, through a link");
  struct stat info;
  ASSERT_EQ(::stat(saved.file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0444u);

  ::chmod(saved.file.c_str(), 0600);
  saved.players.SaveToFile(saved.file);
  EXPECT_EQ(ReadBytes(saved.file), saved.in_memory);
}

pid_t FinishedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(TableSaveFailure, TemporaryFilesLeftBehindAreClearedByTheNextSaveOfTheirFile) {
  SavedPlayers saved;
  // A cleanup that fails as well leaves the half-written temporary file; it is hidden and
  // does not disturb loading.
  {
    FailingWriter writer(WriterCall::kWrite, ENOSPC, 60);
    writer.FailUnlink();
    ScopedFileWriter scope(writer);
    EXPECT_NE(SaveError(saved.players, saved.file).find("megtelt a lemez"), std::string::npos);
  }
  std::set<std::string> entries = FolderEntries(saved.dir.path());
  ASSERT_EQ(entries.size(), 2u);
  const std::string own_leftover = *entries.begin();
  EXPECT_EQ(own_leftover.rfind(".jatekosok.xml." + std::to_string(::getpid()) + ".", 0), 0u);
  EXPECT_EQ(ReadBytes(saved.dir / own_leftover).size(), 60u);
  TableStore reloaded(PlayerFields());
  reloaded.LoadFromFile(saved.file);
  EXPECT_EQ(reloaded.SaveToBytes(), saved.on_disk);

  // Leftovers of a process that has ended; of one still running (process 1 always is), which
  // may be saving right now; of another table; and names that only look alike.
  const std::string dead = std::to_string(FinishedProcess());
  const std::vector<std::string> stale = {".jatekosok.xml." + dead + ".0.tmp", own_leftover};
  const std::vector<std::string> kept = {".jatekosok.xml.1.3.tmp",
                                         ".eredmenyek.xml." + dead + ".0.tmp",
                                         "jatekosok.xml." + dead + ".0.tmp",
                                         ".jatekosok.xml." + dead + ".tmp",
                                         ".jatekosok.xml.x.0.tmp",
                                         ".jatekosok.xml." + dead + ".0.tmp.bak",
                                         "jatekosok.xml.bak"};
  for (const std::string& name : stale) WriteBytes(saved.dir / name, "<half");
  for (const std::string& name : kept) WriteBytes(saved.dir / name, "<other");
  saved.players.SaveToFile(saved.file);
  std::set<std::string> expected(kept.begin(), kept.end());
  expected.insert("jatekosok.xml");
  EXPECT_EQ(FolderEntries(saved.dir.path()), expected);
  EXPECT_EQ(ReadBytes(saved.file), saved.in_memory);
  for (const std::string& name : kept) EXPECT_EQ(ReadBytes(saved.dir / name), "<other") << name;

  TableStore results(ResultFields());
  results.CreateDataSet();
  results.SaveToFile(saved.dir / "eredmenyek.xml");
  EXPECT_FALSE(std::filesystem::exists(saved.dir / (".eredmenyek.xml." + dead + ".0.tmp")));
}

}  // namespace
}  // namespace kvadrix::tables::testing
