#include "app/table_set.h"

#include <condition_variable>
#include <memory>
#include <mutex>

#include "app/handler_guard.h"
#include "common/error.h"
#include "players/best_results.h"
#include "puzzles/puzzle_table.h"
#include "tables/folder_lock.h"

namespace kvadrix::app {

TableSet::TableSet(std::filesystem::path folder)
    : work_dir(std::move(folder)),
      cdsjatekosok(players::MakePlayerTable()),
      cdsEredmenyek(players::MakeResultTable()),
      cdsUtolso(players::MakeLastGameTable()),
      cdsOsszes(players::MakeSummaryTable()) {
  cds.SetIndexFieldNames("ID");
}

bool TableSet::Follow(tables::TableStore& store, std::string_view file) {
  try {
    return store.Refresh(File(file));
  } catch (const Error&) {
    return false;  // a damaged file: its store says so where it is used
  }
}

void TableSet::LoadAtStart(HandlerGuard& guard) {
  // A change across several files that a killed window left half done is finished first.
  guard.Run([this] { const tables::FolderLock finish_interrupted(work_dir); });
  guard.Run([this] { puzzles::LoadPuzzleTable(cds, File(puzzles::kPuzzleFile)); });
}

namespace {

std::mutex pause_mutex;
std::condition_variable pause_ended;
int pauses = 0;

void WaitWhilePaused() {
  std::unique_lock<std::mutex> lock(pause_mutex);
  pause_ended.wait(lock, [] { return pauses == 0; });
}

// A table's file read into a store of its own; a damaged one stays closed and says why.
void LoadInto(tables::TableStore& store, const std::filesystem::path& file,
              std::vector<std::string>& errors) {
  try {
    players::LoadOrCreate(store, file);
  } catch (const Error& error) {
    errors.emplace_back(error.what());
  }
}

}  // namespace

void TableSet::LoadPlayHistory(QObject* context,
                               std::function<void(std::vector<std::string>)> loaded) {
  // The worker fills stores of its own; the window's stores change only on the window's
  // thread, in one step, so nothing reads a half-loaded table.
  history_started_ = true;
  history_loader_ = std::thread([this, context, loaded = std::move(loaded)]() mutable {
    WaitWhilePaused();
    auto results = std::make_shared<tables::TableStore>(players::MakeResultTable());
    auto last_games = std::make_shared<tables::TableStore>(players::MakeLastGameTable());
    auto errors = std::make_shared<std::vector<std::string>>();
    LoadInto(*results, File(players::kResultFile), *errors);
    if (results->Active()) players::OrderResultsByTime(*results);
    LoadInto(*last_games, File(players::kLastGameFile), *errors);
    QMetaObject::invokeMethod(
        context,
        [this, results, last_games, errors, loaded = std::move(loaded)] {
          history_loader_.join();
          cdsEredmenyek = std::move(*results);
          cdsUtolso = std::move(*last_games);
          history_loaded_ = true;
          loaded(std::move(*errors));
        },
        Qt::QueuedConnection);
  });
}

ScopedPlayHistoryPause::ScopedPlayHistoryPause() {
  const std::lock_guard<std::mutex> lock(pause_mutex);
  ++pauses;
}

ScopedPlayHistoryPause::~ScopedPlayHistoryPause() {
  {
    const std::lock_guard<std::mutex> lock(pause_mutex);
    --pauses;
  }
  pause_ended.notify_all();
}

bool ScopedPlayHistoryPause::Active() {
  const std::lock_guard<std::mutex> lock(pause_mutex);
  return pauses > 0;
}

TableSet::~TableSet() {
  if (history_loader_.joinable()) history_loader_.join();
}

}  // namespace kvadrix::app
