#pragma once
// The window's five tables and the folder of their files.
#include <QObject>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "players/player_tables.h"
#include "tables/table_store.h"

namespace kvadrix::app {

class HandlerGuard;

// While one lives, the worker that reads the play history waits before it reads: tests act in
// the moments before the history is in, which a user meets only on a slow disk.
class ScopedPlayHistoryPause {
 public:
  ScopedPlayHistoryPause();
  ~ScopedPlayHistoryPause();  // lets a waiting worker go
  ScopedPlayHistoryPause(const ScopedPlayHistoryPause&) = delete;
  ScopedPlayHistoryPause& operator=(const ScopedPlayHistoryPause&) = delete;

  static bool Active();
};

struct TableSet {
  explicit TableSet(std::filesystem::path folder);
  ~TableSet();  // waits for a load still running

  std::filesystem::path File(std::string_view name) const { return work_dir / name; }
  players::PlayerData Players() { return {cdsjatekosok, cdsEredmenyek, cdsUtolso}; }
  // Other windows and machines save the same files: a table is read again when its file
  // changed (true then). A damaged file is left to say so where its table is used.
  bool Follow(tables::TableStore& store, std::string_view file);
  // Each table file loads on its own: a damaged one is reported and stays closed, so its later
  // uses repeat its error and its file is never saved over, while the other tables work.
  void LoadAtStart(HandlerGuard& guard);
  // The results and the last games grow with every game played (tens of megabytes after years
  // of play), and the first page needs neither: they are read on a worker thread after the
  // window appears, the results already ordered by time, and put in place on the thread of
  // context, which then runs loaded with the errors of the files that did not load.
  void LoadPlayHistory(QObject* context, std::function<void(std::vector<std::string>)> loaded);
  bool PlayHistoryStarted() const { return history_started_; }
  bool PlayHistoryLoaded() const { return history_loaded_; }

  std::filesystem::path work_dir;
  tables::TableStore cds;  // the puzzles, indexed by ID
  tables::TableStore cdsjatekosok;
  tables::TableStore cdsEredmenyek;
  tables::TableStore cdsUtolso;
  tables::TableStore cdsOsszes;  // the summary, built in memory

 private:
  std::thread history_loader_;
  bool history_started_ = false;
  bool history_loaded_ = false;
};

}  // namespace kvadrix::app
