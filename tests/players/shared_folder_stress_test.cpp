// Several processes playing in one folder at once, some of them killed: everything any of them
// was told was stored is in the files at the end, and every deletion holds.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "common/error.h"
#include "common/system_seams.h"
#include "player_fixture.h"
#include "players/change_player.h"
#include "players/completion_records.h"
#include "players/last_game.h"
#include "tables/folder_lock.h"

namespace kvadrix::players {
namespace {

constexpr int kProcesses = 4;
constexpr int kOperations = 60;

// One line per operation: "try ..." before it, "ok ..." once it was confirmed.
class Log {
 public:
  explicit Log(const std::filesystem::path& file)
      : fd_(::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600)) {}
  ~Log() { ::close(fd_); }
  void Line(const std::string& line) {
    const std::string text = line + "\n";
    if (::write(fd_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) ::_exit(3);
  }

 private:
  int fd_;
};

struct OwnPlayer {
  std::string name;
  int32_t key;
  std::string password;
};

// A player of the game: adds, changes and deletes players of its own (names "P<process>-<n>"),
// finishes games and leaves games unfinished, as fast as it can.
void Play(const std::filesystem::path& folder, int process, const std::filesystem::path& log_file) {
  Log log(log_file);
  std::mt19937 random(1000 + process);
  // Keys are drawn from a source seeded by the clock: each process and each add has its own
  // time, as on a real desktop, so a deleted player's key is not drawn again at once.
  ManualClock clock(kNow + process);
  StdRandom keys;
  tables::TableStore players = MakePlayerTable();
  tables::TableStore results = MakeResultTable();
  tables::TableStore last_games = MakeLastGameTable();
  {
    const tables::FolderLock finish_interrupted(folder);
    ReloadPlayerList(players, folder);
    results.LoadOrCreate(folder / kResultFile);
    last_games.LoadOrCreate(folder / kLastGameFile);
  }
  const PlayerData data{players, results, last_games};
  std::vector<OwnPlayer> own;
  for (int op = 0; op < kOperations; ++op) {
    const int choice = static_cast<int>(random() % 10);
    const std::string tag = std::to_string(process) + "-" + std::to_string(op);
    clock.AdvanceTicks(1);
    // A pause of a player's pace, so the processes' operations interleave.
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 1500));
    try {
      if (own.empty() || (choice < 2 && own.size() < 2)) {
        const std::string name = "P" + tag;
        log.Line("try add " + name);
        const AddOutcome added = AddPlayer(players, folder, Player(name, "j" + tag), clock, keys);
        if (added.done) {
          own.push_back({name, added.key, "j" + tag});
          log.Line("ok add " + name + " " + std::to_string(added.key) + " j" + tag);
        }
      } else {
        OwnPlayer& player = own[random() % own.size()];
        const std::string who = player.name + " " + std::to_string(player.key);
        if (choice < 3) {
          log.Line("try del " + who);
          if (DeletePlayer(data, folder, player.name, player.password).done) {
            log.Line("ok del " + who);
            std::erase_if(own, [&](const OwnPlayer& p) { return p.key == player.key; });
          }
        } else if (choice < 5) {
          const std::string password = "m" + tag;
          log.Line("try mod " + who + " " + password);
          if (ModifyPlayer(players, folder, {player.name, player.password, password, password})
                  .done) {
            player.password = password;
            log.Line("ok mod " + who + " " + password);
          }
        } else {
          const int32_t id = 100000 * (process + 1) + op;  // one puzzle per operation
          const bool finish = choice < 8;
          log.Line("try game " + who + " " + std::to_string(id) + " " + std::to_string(finish));
          const Outcome stored =
              finish ? RecordCompletion(data, folder, {player.key, id, kNow, kNow + 0.001})
                     : StoreUnfinishedGame(data, folder, player.key, id, 7);
          if (stored.done) {
            log.Line("ok game " + who + " " + std::to_string(id) + " " + std::to_string(finish));
          }
        }
      }
    } catch (const Error&) {
      // A busy folder: refused, nothing changed, the player goes on.
    }
  }
}

// What the logs say the files must hold.
struct Expected {
  struct Player {
    std::string name;
    std::optional<std::string> password;  // none: a change of it may or may not have happened
    bool maybe_gone = false;              // killed during her deletion
  };
  std::map<int32_t, Player> players;                      // by key
  std::map<int32_t, std::string> deleted;                 // key to name, deletion confirmed
  std::map<int32_t, std::set<int32_t>> finished;          // key to puzzles with a confirmed result
  std::map<int32_t, std::pair<int32_t, bool>> last_game;  // key to the last confirmed game
  std::set<int32_t> last_game_unsure;                     // killed during a game write
};

void ReadLog(const std::filesystem::path& file, Expected& expected) {
  std::ifstream in(file);
  std::string line, pending;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string stage, what, name;
    int32_t key = 0;
    words >> stage >> what >> name;
    if (stage == "try") {
      pending = line;
      continue;
    }
    pending.clear();
    if (what == "add") {
      std::string password;
      words >> key >> password;
      expected.players[key] = {name, password};
    } else if (what == "del") {
      words >> key;
      expected.players.erase(key);
      expected.finished.erase(key);
      expected.last_game.erase(key);
      expected.deleted[key] = name;
    } else if (what == "mod") {
      std::string password;
      words >> key >> password;
      expected.players[key].password = password;
    } else if (what == "game") {
      int32_t id = 0;
      bool finish = false;
      words >> key >> id >> finish;
      if (finish) expected.finished[key].insert(id);
      expected.last_game[key] = {id, finish};
    }
  }
  if (pending.empty()) return;
  // The process was killed during this operation: either outcome is right.
  std::istringstream words(pending);
  std::string stage, what, name;
  int32_t key = 0;
  words >> stage >> what >> name >> key;
  if (what == "del" && expected.players.count(key)) expected.players[key].maybe_gone = true;
  if (what == "mod" && expected.players.count(key)) expected.players[key].password.reset();
  if (what == "game") expected.last_game_unsure.insert(key);
}

TEST(SharedFolderStress, EveryConfirmedChangeOfEveryProcessIsInTheFiles) {
  TempFolder folder;
  std::vector<pid_t> children;
  int start[2];  // closed by the parent once every process is there: they start together
  ASSERT_EQ(::pipe(start), 0);
  for (int process = 0; process < kProcesses; ++process) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(start[1]);
      char none;
      if (::read(start[0], &none, 1) != 0) ::_exit(4);
      Play(folder.path(), process, folder / ("log" + std::to_string(process)));
      ::_exit(0);
    }
    children.push_back(child);
  }
  ::close(start[0]);
  ::close(start[1]);
  // Two of them are killed at random moments, as a logout or a crash would.
  std::mt19937 random(7);
  for (int victim = 0; victim < 2; ++victim) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10 + random() % 50));
    ::kill(children[victim * 2], SIGKILL);
  }
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) ? WEXITSTATUS(status) == 0 : WTERMSIG(status) == SIGKILL);
  }

  Expected expected;
  for (int process = 0; process < kProcesses; ++process) {
    ReadLog(folder / ("log" + std::to_string(process)), expected);
    std::filesystem::remove(folder / ("log" + std::to_string(process)));
  }
  ASSERT_FALSE(expected.players.empty() && expected.deleted.empty());

  // A fresh start: every file loads, and holds what the logs say.
  { const tables::FolderLock finish_interrupted(folder.path()); }
  tables::TableStore players = Reloaded(MakePlayerTable, folder / kPlayerFile);
  const std::string player_bytes = ReadBytes(folder / kPlayerFile);
  tables::TableStore results = Reloaded(MakeResultTable, folder / kResultFile);
  tables::TableStore last_games = Reloaded(MakeLastGameTable, folder / kLastGameFile);
  std::map<int32_t, std::pair<std::string, std::string>> stored_players;
  for (const std::string& row : Rows(players)) {
    std::istringstream fields(row);
    std::string kod, nev, jelszo;
    std::getline(fields, kod, '|');
    std::getline(fields, nev, '|');
    std::getline(fields, jelszo, '|');
    stored_players[std::stoi(kod)] = {nev, jelszo};
  }
  std::map<int32_t, std::set<int32_t>> stored_results;
  for (results.First(); !results.Eof(); results.Next()) {
    stored_results[results.FieldByName(kNevkod).AsInteger()].insert(
        results.FieldByName(kJatekkod).AsInteger());
  }
  std::map<int32_t, std::pair<int32_t, bool>> stored_last;
  for (last_games.First(); !last_games.Eof(); last_games.Next()) {
    stored_last[last_games.FieldByName(kNevkod).AsInteger()] = {
        last_games.FieldByName(kJatekkod).AsInteger(), last_games.FieldByName(kTeljes).AsBoolean()};
  }

  for (const auto& [key, player] : expected.players) {
    SCOPED_TRACE(player.name);
    const auto found = stored_players.find(key);
    if (player.maybe_gone && found == stored_players.end()) continue;
    ASSERT_NE(found, stored_players.end());
    EXPECT_EQ(found->second.first, player.name);
    if (player.password) {
      EXPECT_EQ(found->second.second, *player.password);
    }
    for (const int32_t id : expected.finished[key]) EXPECT_TRUE(stored_results[key].count(id));
    if (expected.last_game.count(key) && !expected.last_game_unsure.count(key)) {
      EXPECT_EQ(stored_last[key], expected.last_game[key]);
    }
  }
  for (const auto& [key, name] : expected.deleted) {
    SCOPED_TRACE(name);
    if (expected.players.count(key)) continue;  // drawn again by a later player
    EXPECT_EQ(player_bytes.find("\"" + name + "\""), std::string::npos);  // nor her name
    EXPECT_FALSE(stored_players.count(key));
    EXPECT_FALSE(stored_results.count(key));
    EXPECT_FALSE(stored_last.count(key));
  }
}

}  // namespace
}  // namespace kvadrix::players
