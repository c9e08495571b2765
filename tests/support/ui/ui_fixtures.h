#pragma once
// What the window tests need: a temporary play folder with table files, and the window built
// over it with the scripted seams.
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/names_page.h"
#include "app/play_page.h"
#include "app/selection.h"
#include "app/tabla.h"
#include "common/seams.h"
#include "support/fakes.h"
#include "support/table_rows.h"
#include "tables/table_store.h"

namespace kvadrix::test {

using testing::ManualClock;
using testing::ScriptedDialogs;
using testing::ScriptedRandom;

struct PuzzleRecord {
  int id;
  std::string level;  // LevelCode
  int number;
  std::string givens;  // Mezok
};

// A valid puzzle with the given number of givens (1..81), from one fixed solved grid.
std::string GivensOfSolvedGrid(int count);
// That grid's digit of a cell: playing it always completes such a puzzle correctly.
int SolvedGridDigit(int row, int col);

struct LastGameRecord {
  int nevkod;
  int jatekkod;
  bool teljes;
  int felbe;
};

struct ResultRecord {
  int nevkod;
  int jatekkod;
  int ido;  // ClockTicks
};

// A play folder in a temporary directory.
class PlayFolder {
 public:
  PlayFolder();
  std::filesystem::path Path() const;
  std::filesystem::path File(const std::string& name) const { return Path() / name; }

  void WriteText(const std::string& name, const std::string& bytes) const;
  std::string ReadText(const std::string& name) const;
  // The names in the folder but the lock file, which stays once made: what a failed write
  // might have left behind shows here.
  std::set<std::string> Entries() const;
  void WritePuzzles(const std::vector<PuzzleRecord>& records) const;
  // Players by name, with keys 101, 102, ... and level 1.
  void WritePlayers(const std::vector<std::string>& names) const;
  // The same with every player's preferred level (1..3).
  void WritePlayers(const std::vector<std::string>& names, int level) const;
  void WriteLastGames(const std::vector<LastGameRecord>& records) const;
  void WriteResults(const std::vector<ResultRecord>& records) const;

 private:
  QTemporaryDir dir_;
};

// Reading table files back: the same helpers as the core tests'.
using testing::Reloaded;
using testing::Rows;
using testing::States;

// Puzzles 10001.. of level E (count_e of them) and 20001.. of level A.
std::vector<PuzzleRecord> SmallLibrary(int count_e = 3, int count_a = 2);

// The window with its seams; screen 1280 x 1024 unless told.
struct WindowUnderTest {
  // Waits for the tables read after the first frame, unless a ScopedPlayHistoryPause holds them.
  explicit WindowUnderTest(const PlayFolder& folder, QSize screen = QSize(1280, 1024));
  void WaitForPlayHistory() const;
  ScriptedDialogs dialogs;
  ManualClock clock;
  ScriptedRandom random;
  QSize screen;
  std::unique_ptr<app::TTabla> window;

  template <typename T>
  T* Find(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
};

}  // namespace kvadrix::test
