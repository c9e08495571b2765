#include "app/table_set.h"

#include "app/handler_guard.h"
#include "common/error.h"
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
  guard.Run([this] { players::LoadOrCreate(cdsEredmenyek, File(players::kResultFile)); });
  guard.Run([this] { players::LoadOrCreate(cdsUtolso, File(players::kLastGameFile)); });
}

}  // namespace kvadrix::app
