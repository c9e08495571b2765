// One play folder used by several processes at once: the lock, the re-read of a file another
// process saved, and a player's deletion that is whole whatever step it is killed at.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "common/error.h"
#include "player_fixture.h"
#include "players/change_player.h"
#include "players/completion_records.h"
#include "players/last_game.h"
#include "tables/file_writer.h"
#include "tables/folder_lock.h"
#include "tables/replace_together.h"

namespace kvadrix::players {
namespace {

using namespace std::chrono_literals;

// A window of its own: stores opened from the folder as the program opens them at start.
struct Window {
  explicit Window(const std::filesystem::path& folder) : folder(folder) {
    const tables::FolderLock finish_interrupted(folder);
    ReloadPlayerList(players, folder);
    results.LoadOrCreate(folder / kResultFile);
    last_games.LoadOrCreate(folder / kLastGameFile);
  }
  PlayerData Data() { return {players, results, last_games}; }
  AddOutcome AddPlayer(const std::string& name, const std::string& password, uint32_t key) {
    ScriptedRandom random({key});
    return players::AddPlayer(players, folder, Player(name, password), clock, random);
  }

  std::filesystem::path folder;
  ManualClock clock{kNow};
  tables::TableStore players = MakePlayerTable();
  tables::TableStore results = MakeResultTable();
  tables::TableStore last_games = MakeLastGameTable();
};

// What the three files hold of one player, read by a fresh start of the program.
struct Holdings {
  bool player_row = false;
  int results = 0;
  bool last_game = false;
  bool operator==(const Holdings&) const = default;
};

Holdings HoldingsOf(const std::filesystem::path& folder, int32_t key) {
  Window start(folder);
  Holdings held;
  held.player_row = !DeletedMeanwhile(start.players, folder, key);
  for (const std::string& row : Rows(start.results)) {
    held.results += row.starts_with(std::to_string(key) + "|");
  }
  for (const std::string& row : Rows(start.last_games)) {
    held.last_game |= row.starts_with(std::to_string(key) + "|");
  }
  return held;
}

// Anna (key 1) with two results and a last game, and Béla (key 2) with one of each.
void PlayTwoPlayers(const std::filesystem::path& folder) {
  Window w(folder);
  ASSERT_TRUE(w.AddPlayer("Anna", "titok", 1).done);
  ASSERT_TRUE(w.AddPlayer("Béla", "", 2).done);
  for (const auto& [key, id] : {std::pair{1, 10001}, std::pair{2, 10001}, std::pair{1, 10002}}) {
    ASSERT_TRUE(RecordCompletion(w.Data(), folder, {key, id, kNow, kNow + 0.001}).done);
  }
}

constexpr Holdings kAnnaWhole{true, 2, true};
constexpr Holdings kAnnaGone{false, 0, false};
constexpr Holdings kBelaWhole{true, 1, true};

// Counts the calls that reach the file system, and acts at a chosen one.
class SteppingWriter : public tables::FileWriter {
 public:
  enum class Act { kCount, kKill, kFail };
  SteppingWriter(Act act, int at) : act_(act), at_(at) {}
  int calls = 0;

  int Open(const std::filesystem::path& file, int flags, mode_t mode) override {
    return Step() ? -1 : FileWriter::Open(file, flags, mode);
  }
  int ChangeMode(int fd, mode_t mode) override {
    return Step() ? -1 : FileWriter::ChangeMode(fd, mode);
  }
  ssize_t Write(int fd, const char* data, size_t size) override {
    return Step() ? -1 : FileWriter::Write(fd, data, size);
  }
  int Sync(int fd) override { return Step() ? -1 : FileWriter::Sync(fd); }
  int Close(int fd) override {
    const bool fail = Step();
    const int closed = FileWriter::Close(fd);
    return fail ? -1 : closed;
  }
  int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return Step() ? -1 : FileWriter::Rename(from, to);
  }
  int Unlink(const std::filesystem::path& file) override {
    return Step() ? -1 : FileWriter::Unlink(file);
  }

 private:
  bool Step() {
    if (calls++ != at_ || act_ == Act::kCount) return false;
    if (act_ == Act::kKill) ::raise(SIGKILL);
    errno = EIO;
    return true;
  }
  Act act_;
  int at_;
};

void CopyFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
  for (const auto& entry : std::filesystem::directory_iterator(from)) {
    std::filesystem::copy(entry.path(), to / entry.path().filename());
  }
}

// Runs the body in a child process and returns how it ended.
template <typename Body>
int InChild(Body body) {
  const pid_t child = ::fork();
  if (child == 0) {
    body();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

TEST(SharedFolder, DeletionIsWholeWhateverStepKillsOrFailsIt) {
  TempFolder model;
  PlayTwoPlayers(model.path());
  int steps = 0;
  {
    TempFolder folder;
    CopyFolder(model.path(), folder.path());
    Window w(folder.path());
    SteppingWriter counter(SteppingWriter::Act::kCount, -1);
    const tables::ScopedFileWriter counting(counter);
    ASSERT_TRUE(DeletePlayer(w.Data(), folder.path(), "Anna", "titok").done);
    steps = counter.calls;
  }
  ASSERT_GT(steps, 10);  // three files and a journal, each opened, written, flushed, renamed

  for (int step = 0; step < steps; ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    {  // killed at the step: the next start finds all of Anna or nothing of her
      TempFolder folder;
      CopyFolder(model.path(), folder.path());
      const int status = InChild([&] {
        Window w(folder.path());
        SteppingWriter killer(SteppingWriter::Act::kKill, step);
        const tables::ScopedFileWriter killing(killer);
        DeletePlayer(w.Data(), folder.path(), "Anna", "titok");
      });
      ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
      const Holdings anna = HoldingsOf(folder.path(), 1);
      EXPECT_TRUE(anna == kAnnaWhole || anna == kAnnaGone);
      EXPECT_EQ(HoldingsOf(folder.path(), 2), kBelaWhole);
      EXPECT_FALSE(std::filesystem::exists(folder / tables::kJournalName));
    }
    {  // failing at the step: what the user is told is what the next start finds
      TempFolder folder;
      CopyFolder(model.path(), folder.path());
      Window w(folder.path());
      std::string told;
      {
        SteppingWriter failer(SteppingWriter::Act::kFail, step);
        const tables::ScopedFileWriter failing(failer);
        try {
          told = DeletePlayer(w.Data(), folder.path(), "Anna", "titok").message;
        } catch (const Error& error) {
          told = error.what();
        }
      }
      const bool deleted = told == kPlayerDeleted || told.ends_with(tables::kFinishedLater);
      EXPECT_EQ(HoldingsOf(folder.path(), 1), deleted ? kAnnaGone : kAnnaWhole) << told;
      EXPECT_EQ(HoldingsOf(folder.path(), 2), kBelaWhole);
      // The window itself follows the files: Anna is offered exactly when she is still there.
      const std::vector<std::string> names = ReloadPlayerList(w.players, folder.path());
      EXPECT_EQ(std::count(names.begin(), names.end(), "Anna"), deleted ? 0 : 1);
    }
  }
}

TEST(SharedFolder, DeletionKilledAtRandomMomentsIsWhole) {
  TempFolder model;
  PlayTwoPlayers(model.path());
  std::mt19937 random(16);
  for (int round = 0; round < 40; ++round) {
    TempFolder folder;
    CopyFolder(model.path(), folder.path());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      Window w(folder.path());
      char go = 0;
      if (::write(ready[1], &go, 1) != 1) ::_exit(1);
      DeletePlayer(w.Data(), folder.path(), "Anna", "titok");
      ::_exit(0);
    }
    char go;
    ASSERT_EQ(::read(ready[0], &go, 1), 1);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    const Holdings anna = HoldingsOf(folder.path(), 1);
    ASSERT_TRUE(anna == kAnnaWhole || anna == kAnnaGone) << "round " << round;
    EXPECT_EQ(HoldingsOf(folder.path(), 2), kBelaWhole);
  }
}

TEST(SharedFolder, WindowsWorkOnTheFileAsItIsNow) {
  TempFolder folder;
  Window a(folder.path());
  Window b(folder.path());
  ASSERT_TRUE(a.AddPlayer("Anna", "egy", 1).done);
  // B has not seen Anna: still its add keeps her, and her name is taken.
  ASSERT_TRUE(b.AddPlayer("Béla", "", 2).done);
  EXPECT_EQ(b.AddPlayer("Anna", "kettő", 3).message, kNameTaken);
  EXPECT_EQ(Rows(Reloaded(MakePlayerTable, folder / kPlayerFile)),
            (std::vector<std::string>{"1|Anna|egy|1|1", "2|Béla||1|1"}));

  // Both finish games on their stale copies: every result and last game is kept.
  ASSERT_TRUE(RecordCompletion(a.Data(), folder.path(), {1, 10001, kNow, kNow + 0.001}).done);
  ASSERT_TRUE(RecordCompletion(b.Data(), folder.path(), {2, 10002, kNow, kNow + 0.002}).done);
  ASSERT_TRUE(StoreUnfinishedGame(a.Data(), folder.path(), 1, 10003, 50).done);
  EXPECT_EQ(Rows(Reloaded(MakeResultTable, folder / kResultFile)),
            (std::vector<std::string>{"1|10001|2023-03-15|100", "2|10002|2023-03-15|200"}));
  EXPECT_EQ(Rows(Reloaded(MakeLastGameTable, folder / kLastGameFile)),
            (std::vector<std::string>{"1|10003|FALSE|50|-", "2|10002|TRUE|-|-"}));

  // A deletes Béla while other windows still show him: nothing they do brings him back, and
  // each is told why.
  Window c(folder.path()), d(folder.path());
  ASSERT_TRUE(DeletePlayer(a.Data(), folder.path(), "Béla", "").done);
  const PlayerChange change{"Béla", "", "", "", 3, 2};
  EXPECT_EQ(ModifyPlayer(b.players, folder.path(), change).message, kPlayerGone);
  EXPECT_EQ(DeletePlayer(c.Data(), folder.path(), "Béla", "").message, kPlayerGone);
  EXPECT_TRUE(FindPlayerToEnter(d.players, folder.path(), "Béla", true).gone);
  EXPECT_EQ(RecordCompletion(b.Data(), folder.path(), {2, 10004, kNow, kNow}).message, kPlayerGone);
  EXPECT_EQ(StoreUnfinishedGame(b.Data(), folder.path(), 2, 10004, 9).message, kPlayerGone);
  // Once a window has read the file again, the name is simply not there to choose.
  EXPECT_EQ(ModifyPlayer(b.players, folder.path(), change).message, kChooseName);
  EXPECT_EQ(HoldingsOf(folder.path(), 2), (Holdings{false, 0, false}));
  EXPECT_EQ(HoldingsOf(folder.path(), 1), (Holdings{true, 1, true}));
}

TEST(SharedFolder, ABusyFolderRefusesAfterAShortWaitAndADeadHolderBlocksNobody) {
  TempFolder folder;
  Window w(folder.path());
  ASSERT_TRUE(w.AddPlayer("Anna", "", 1).done);
  const std::string before = ReadBytes(folder / kPlayerFile);
  {  // another process holds the lock and does not let go
    const int fd = ::open((folder / tables::kLockFileName).c_str(), O_RDWR);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
    const tables::ScopedLockWait short_wait(50ms);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(
        {
          try {
            w.AddPlayer("Béla", "", 2);
          } catch (const Error& error) {
            EXPECT_EQ(error.what(), std::string(tables::kFolderBusy));
            throw;
          }
        },
        Error);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 50ms);
    EXPECT_EQ(ReadBytes(folder / kPlayerFile), before);
    ::close(fd);
  }
  // A holder killed while holding it: the lock died with it.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    const tables::FolderLock held(folder.path());
    char go = 0;
    if (::write(ready[1], &go, 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  char go;
  ASSERT_EQ(::read(ready[0], &go, 1), 1);
  {
    const tables::ScopedLockWait short_wait(50ms);
    EXPECT_THROW(w.AddPlayer("Béla", "", 2), Error);  // still held by the living child
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_TRUE(w.AddPlayer("Béla", "", 2).done);
  ::close(ready[0]);
  ::close(ready[1]);
}

}  // namespace
}  // namespace kvadrix::players
