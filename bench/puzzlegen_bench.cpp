// The shipped puzzle library, loaded as the game loads it at start: from the file, into a store
// ordered by ID.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "tables/table_store.h"

namespace {

void BM_LoadShippedLibrary(benchmark::State& state) {
  const std::filesystem::path file =
      std::filesystem::path(KVADRIX_SOURCE_DIR) / "data" / "sudoku.xml";
  kvadrix::tables::TableStore store;
  store.SetIndexFieldNames("ID");
  for (auto _ : state) {
    store.LoadFromFile(file);
    benchmark::DoNotOptimize(store.RecordCount());
  }
  state.SetItemsProcessed(state.iterations() * store.RecordCount());
  state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(file));
}
BENCHMARK(BM_LoadShippedLibrary)->Unit(benchmark::kMicrosecond);

}  // namespace
