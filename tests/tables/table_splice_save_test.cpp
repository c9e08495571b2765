// Saves that splice the file they wrote last rather than writing it whole: whatever the store
// went through (appends, edits, deletes, cleared hidden values, changes taken back, a merged
// log, another store saving the same file), the file after a save is byte for byte the file the
// whole write gives, and a save failing at any one of its steps leaves the old file and a usable
// store behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <random>
#include <set>

#include "common/error.h"
#include "support/table_test_support.h"
#include "support/test_seed.h"
#include "tables/file_writer.h"
#include "tables/store_guards.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {
namespace {

// Counts the calls a save makes and fails the chosen one with a disk error; copies between
// files may be refused as unsupported, so their bytes pass through memory instead.
class StepFailingWriter : public FileWriter {
 public:
  explicit StepFailingWriter(int fail_at = -1, bool copy_unsupported = false)
      : fail_at_(fail_at), copy_unsupported_(copy_unsupported) {}

  int Open(const std::filesystem::path& file, int flags, mode_t mode) override {
    return Step() ? -1 : FileWriter::Open(file, flags, mode);
  }
  int ChangeMode(int fd, mode_t mode) override {
    return Step() ? -1 : FileWriter::ChangeMode(fd, mode);
  }
  ssize_t Write(int fd, const char* data, size_t size) override {
    return Step() ? -1 : FileWriter::Write(fd, data, size);
  }
  ssize_t CopyRange(int from_fd, off_t* from_offset, int to_fd, size_t size) override {
    ++copies_;
    if (Step()) return -1;
    if (copy_unsupported_) {
      errno = EXDEV;
      return -1;
    }
    return FileWriter::CopyRange(from_fd, from_offset, to_fd, size);
  }
  int Sync(int fd) override { return Step() ? -1 : FileWriter::Sync(fd); }
  int Close(int fd) override {
    const int closed = FileWriter::Close(fd);
    return Step() ? -1 : closed;
  }
  int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return Step() ? -1 : FileWriter::Rename(from, to);
  }

  bool Failed() const { return calls_ > fail_at_ && fail_at_ >= 0; }
  int Copies() const { return copies_; }

 private:
  bool Step() {
    if (calls_++ != fail_at_) return false;
    errno = EIO;
    return true;
  }

  int fail_at_;
  bool copy_unsupported_;
  int calls_ = 0;
  int copies_ = 0;
};

std::vector<FieldDef> Fields() {
  return {IntegerField("kod"), StringField("nev", 15), DateField("datum"), BooleanField("kesz")};
}

std::set<std::string> Entries(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

class SpliceRun {
 public:
  explicit SpliceRun(unsigned seed) : random_(seed) {
    std::filesystem::create_directory(dir_ / "adat");
    std::filesystem::create_symlink(real_, link_);  // saved through the link, kept as a link
    store_.SetOwnerOnlyFile(true);
    store_.CreateDataSet();
    store_.SaveToFile(real_);  // a link to nothing is not saved through
  }

  void Step() {
    const int choice = Pick(100);
    if (choice < 30) {
      Append(store_);
    } else if (choice < 42) {
      Edit();
    } else if (choice < 50) {
      Delete();
    } else if (choice < 56) {
      ClearHidden();
    } else if (choice < 62) {
      FailedChange();
    } else if (choice < 68) {
      TakeBackToOldCheckpoint();
    } else if (choice < 70) {
      store_.MergeChangeLog();
      splice_expected_ = false;
    } else if (choice < 71) {
      store_.EmptyDataSet();
      splice_expected_ = false;
    } else if (choice < 75) {
      OtherStoreSaves();
    } else if (choice < 80) {
      SaveFailingAtEveryStep();
    } else {
      Save();
    }
  }

  int SavesSpliced() const { return spliced_; }
  int Saves() const { return saves_; }

 private:
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

  void SetRandomField(TableStore& store, int field) {
    static const char* const kNames[] = {"Anna", "Béla", "Árvíztűrő tükör", "<&\"'>", "x", ""};
    static const char* const kFields[] = {"kod", "nev", "datum", "kesz"};
    FieldRef ref = store.FieldByName(kFields[field]);
    if (Pick(6) == 0) {
      ref.Clear();
      return;
    }
    switch (field) {
      case 0:
        ref.SetAsInteger(Pick(2000001) - 1000000);
        break;
      case 1:
        ref.SetAsString(kNames[Pick(6)]);
        break;
      case 2:
        ref.SetAsDateTime(38000 + Pick(20000) + 0.25);
        break;
      default:
        ref.SetAsBoolean(Pick(2) == 0);
    }
  }

  void Append(TableStore& store) {
    store.Append();
    for (int field = 0; field < 4; ++field) {
      if (Pick(3) != 0) SetRandomField(store, field);
    }
    store.Post();
  }

  bool MoveToRandomRecord() {
    if (store_.RecordCount() == 0) return false;
    store_.First();
    for (int steps = Pick(store_.RecordCount()); steps > 0; --steps) store_.Next();
    return true;
  }

  void Edit() {
    if (!MoveToRandomRecord()) return;
    store_.Edit();
    SetRandomField(store_, Pick(4));
    store_.Post();
  }

  void Delete() {
    if (MoveToRandomRecord()) store_.Delete();
  }

  void ClearHidden() {
    const int stored = store_.StoredRecordCount();
    if (stored == 0) return;
    const auto visible = [&](int record) {
      return (store_.StoredRecordState(record) & (kSuperseded | kDeleted)) == 0;
    };
    int record = 1 + Pick(stored);
    for (int tries = 0; tries < 10 && visible(record); ++tries) record = 1 + Pick(stored);
    if (visible(record)) return;
    std::vector<int> fields;
    for (int field = 0; field < 4; ++field) {
      if (Pick(2) == 0) fields.push_back(field);
    }
    store_.ClearHiddenValues(record, fields);
  }

  // A change whose save fails (a disk error at a random step, or a value the file cannot hold)
  // is taken back; one whose save gets through stays.
  void FailedChange() {
    const std::string before = store_.SaveToBytes();
    const std::string file_before = ReadBytes(real_);
    StepFailingWriter writer(Pick(8));
    bool saved = false;
    {
      ScopedFileWriter scope(writer);
      SavedChange change(store_);
      try {
        if (Pick(4) == 0) {
          store_.Append();
          store_.FieldByName("nev").SetAsString("日本");  // refused
        } else {
          const int kind = Pick(3);
          if (kind == 0) Append(store_);
          if (kind == 1) Edit();
          if (kind == 2) ClearHidden();
        }
        change.Save(link_);
        saved = true;
      } catch (const Error&) {
      }
    }
    if (saved) {
      ++saves_;
      ExpectFileIsTheStore("change saved");
      return;
    }
    EXPECT_EQ(store_.SaveToBytes(), before) << "change taken back";
    EXPECT_EQ(ReadBytes(real_), file_before) << "change taken back";
    ExpectNoTemporaryFiles();
  }

  // Taking back to a checkpoint made before the last save: values cleared since come back, or
  // records and log entries the file holds go, and as many records again come in their place,
  // in the same states.
  void TakeBackToOldCheckpoint() {
    if (Pick(3) == 0) {
      // Cleared values that were saved come back.
      const TableStore::Checkpoint checkpoint = store_.MakeCheckpoint();
      ClearHidden();
      Save();
      store_.RollBack(checkpoint);
      return;
    }
    if (!old_checkpoint_ || Pick(3) == 0) {
      old_checkpoint_ = store_.MakeCheckpoint();
      return;
    }
    const int before = store_.StoredRecordCount();
    store_.RollBack(*old_checkpoint_);
    for (int dropped = before - store_.StoredRecordCount() + Pick(3); dropped > 0; --dropped) {
      Append(store_);
    }
    splice_expected_ = false;
  }

  void OtherStoreSaves() {
    if (!std::filesystem::exists(real_)) return;
    TableStore other(Fields());
    other.LoadFromFile(link_);
    Append(other);
    other.SaveToFile(link_);
    splice_expected_ = false;  // this store's file is another one now
  }

  void SaveFailingAtEveryStep() {
    const std::string before = store_.SaveToBytes();
    const bool existed = std::filesystem::exists(real_);
    const std::string file_before = existed ? ReadBytes(real_) : "";
    const bool splice = splice_expected_;
    for (int fail_at = 0;; ++fail_at) {
      StepFailingWriter writer(fail_at, Pick(2) == 0);
      {
        ScopedFileWriter scope(writer);
        try {
          store_.SaveToFile(link_);
        } catch (const Error& error) {
          EXPECT_NE(std::string(error.what()).find("nem menthető: lemezhiba"), std::string::npos)
              << error.what();
        }
      }
      if (!writer.Failed()) {
        Saved(writer, splice, "saved after failing steps");
        return;
      }
      EXPECT_EQ(store_.SaveToBytes(), before) << "failing at step " << fail_at;
      EXPECT_EQ(std::filesystem::exists(real_), existed) << "failing at step " << fail_at;
      EXPECT_EQ(existed ? ReadBytes(real_) : "", file_before) << "failing at step " << fail_at;
      ExpectNoTemporaryFiles();
    }
  }

  void Save() {
    StepFailingWriter writer(-1, Pick(4) == 0);
    {
      ScopedFileWriter scope(writer);
      store_.SaveToFile(link_);
    }
    Saved(writer, splice_expected_, "save");
  }

  void Saved(const StepFailingWriter& writer, bool splice, const char* what) {
    ++saves_;
    if (writer.Copies() > 0) ++spliced_;
    if (splice) {
      EXPECT_GT(writer.Copies(), 0) << what << ": written whole";
    }
    ExpectFileIsTheStore(what);
    // With a log the file holds every record, and the next save can splice it.
    splice_expected_ = !store_.ChangeLog().empty();
  }

  void ExpectFileIsTheStore(const char* what) {
    const std::string bytes = ReadBytes(real_);
    ASSERT_EQ(bytes, store_.SaveToBytes()) << what;
    TableStore reloaded(Fields());
    reloaded.LoadFromFile(link_);
    EXPECT_EQ(reloaded.SaveToBytes(), bytes) << what;
    EXPECT_EQ(reloaded.RecordCount(), store_.RecordCount()) << what;
    EXPECT_TRUE(std::filesystem::is_symlink(link_)) << what;
    struct stat info;
    ASSERT_EQ(::stat(real_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << what;
    ExpectNoTemporaryFiles();
  }

  void ExpectNoTemporaryFiles() {
    std::set<std::string> expected;
    if (std::filesystem::exists(real_)) expected.insert("t.xml");
    EXPECT_EQ(Entries(dir_ / "adat"), expected);
  }

  std::mt19937 random_;
  TempFolder dir_;
  std::filesystem::path real_ = dir_ / "adat" / "t.xml";
  std::filesystem::path link_ = dir_ / "t.xml";
  TableStore store_{Fields()};
  std::optional<TableStore::Checkpoint> old_checkpoint_;
  bool splice_expected_ = false;
  int saves_ = 0;
  int spliced_ = 0;
};

TEST(TableSpliceSave, EverySaveGivesTheWholeWriteAndEveryFailingStepKeepsTheOldFile) {
  const unsigned seed = kvadrix::testing::TestSeed();
  for (unsigned run = 0; run < 6; ++run) {
    SpliceRun splice(seed + run);
    for (int step = 0; step < 250 && !::testing::Test::HasFatalFailure(); ++step) splice.Step();
    // Most saves follow a save of the same store, so most splice.
    EXPECT_GT(splice.SavesSpliced() * 2, splice.Saves()) << "run " << run;
  }
}

}  // namespace
}  // namespace kvadrix::tables::testing
