// A process that saves a table over and over is killed at random moments: the file must always
// be one whole version that loads, and what a killed save leaves behind is cleared by the next.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "support/table_test_support.h"
#include "support/test_seed.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {
namespace {

constexpr int kKills = 1000;

TableStore Results(int count) {
  TableStore results(ResultFields());
  results.CreateDataSet();
  for (int i = 0; i < count; ++i) AppendResult(results, i % 5 + 1, 10001 + i, 1000 + i);
  return results;
}

// Saves the two versions in turn until killed, writing a byte to the pipe after each save.
[[noreturn]] void SaveForever(TableStore& first, TableStore& second,
                              const std::filesystem::path& file, int done_pipe) {
  for (int n = 0;; ++n) {
    (n % 2 == 0 ? first : second).SaveToFile(file);
    const char done = 1;
    if (::write(done_pipe, &done, 1) != 1) ::_exit(2);
  }
}

std::vector<std::string> Leftovers(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name != "eredmenyek.xml") names.push_back(name);
  }
  return names;
}

TEST(TableCrash, SavesKilledAtRandomMomentsLeaveOneWholeVersion) {
  TempFolder dir;
  const auto file = dir / "eredmenyek.xml";
  TableStore old_version = Results(100);
  TableStore new_version = Results(150);  // longer, so a torn write could not pass for it
  const std::string old_bytes = old_version.SaveToBytes();
  const std::string new_bytes = new_version.SaveToBytes();

  // How long one save takes here, so the kills spread over whole saves.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i) new_version.SaveToFile(dir / "eredmenyek.xml");
  const auto save_time = (std::chrono::steady_clock::now() - start) / 10;
  old_version.SaveToFile(file);

  const unsigned seed = kvadrix::testing::TestSeed();
  std::mt19937 random(seed);
  int saw_old = 0, saw_new = 0, left_behind = 0;
  std::set<pid_t> children;
  for (int kill = 0; kill < kKills; ++kill) {
    int pipe_ends[2];
    ASSERT_EQ(::pipe(pipe_ends), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(pipe_ends[0]);
      SaveForever(new_version, old_version, file, pipe_ends[1]);
    }
    ::close(pipe_ends[1]);
    children.insert(child);
    // Wait for none or one finished save, then kill somewhere within the next one.
    const int saves = std::uniform_int_distribution<int>(0, 1)(random);
    bool reported = true;  // no assertion before the kill: a failed one would leave it running
    for (int i = 0; i < saves && reported; ++i) {
      char done;
      reported = ::read(pipe_ends[0], &done, 1) == 1;
    }
    std::this_thread::sleep_for(std::uniform_real_distribution<double>(0, 1.2)(random) * save_time);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(pipe_ends[0]);
    ASSERT_TRUE(reported && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the saving process failed by itself";

    const std::string bytes = ReadBytes(file);
    ASSERT_TRUE(bytes == old_bytes || bytes == new_bytes)
        << "kill " << kill << ": a torn file of " << bytes.size() << " bytes";
    saw_old += bytes == old_bytes;
    saw_new += bytes == new_bytes;
    TableStore loaded(ResultFields());
    loaded.LoadFromFile(file);
    EXPECT_EQ(loaded.RecordCount(), bytes == old_bytes ? 100 : 150);

    // At most one temporary file: the next save of any process clears what a killed one left.
    const std::vector<std::string> leftovers = Leftovers(dir.path());
    ASSERT_LE(leftovers.size(), 1u) << "kill " << kill;
    for (const std::string& name : leftovers) {
      const pid_t owner = std::stoi(name.substr(std::string(".eredmenyek.xml.").size()));
      EXPECT_EQ(children.count(owner), 1u) << name;
      left_behind += owner == child;
    }
  }
  std::cout << "[ crash    ] " << kKills << " kills: " << saw_old << " old, " << saw_new << " new, "
            << left_behind << " temporary files left behind; one save "
            << std::chrono::duration<double, std::micro>(save_time).count() << " us\n";
  EXPECT_GT(saw_old, 0);  // the kills landed on both sides of a finished save
  EXPECT_GT(saw_new, 0);

  old_version.SaveToFile(file);
  EXPECT_TRUE(Leftovers(dir.path()).empty());
  EXPECT_EQ(ReadBytes(file), old_bytes);
}

}  // namespace
}  // namespace kvadrix::tables::testing
