#pragma once
// Scoped states of a TableStore that must be undone however the scope ends, a thrown error
// included: a filtered view, a change not yet saved, and held-back change notices.
#include <filesystem>
#include <string_view>

#include "tables/table_store.h"

namespace kvadrix::tables {

// Sets the filter and switches filtering on; filtering is off again at the end of the scope
// (the filter text stays, as the store keeps it).
class FilteredView {
 public:
  FilteredView(TableStore& store, std::string_view filter) : store_(store) {
    store_.SetFilter(filter);
    store_.SetFiltered(true);
  }
  ~FilteredView() {
    try {
      store_.SetFiltered(false);
    } catch (...) {
      // Only posting a pending record could fail here, and a destructor cannot report it; the
      // failure of the step that left it pending is already on its way to the user.
    }
  }
  FilteredView(const FilteredView&) = delete;
  FilteredView& operator=(const FilteredView&) = delete;

  int Count() const { return store_.RecordCount(); }

 private:
  TableStore& store_;
};

// A change of a table and the saving of its file as one step: unless Save succeeds, the store
// goes back to what it held when the scope began, so the table in memory never holds what its
// file does not (a full disk, a folder that cannot be written, a refused value).
class SavedChange {
 public:
  explicit SavedChange(TableStore& store) : store_(store), checkpoint_(store.MakeCheckpoint()) {}
  ~SavedChange() {
    if (!saved_) store_.RollBack(checkpoint_);
  }
  SavedChange(const SavedChange&) = delete;
  SavedChange& operator=(const SavedChange&) = delete;

  void Save(const std::filesystem::path& file) {
    store_.SaveToFile(file);
    saved_ = true;
  }
  // The change was saved with others (TableStore::SaveToFilesTogether).
  void Keep() { saved_ = true; }

 private:
  TableStore& store_;
  TableStore::Checkpoint checkpoint_;
  bool saved_ = false;
};

// Bound grids repaint once, however many rows are changed inside the scope.
class ControlsPaused {
 public:
  explicit ControlsPaused(TableStore& store) : store_(store) { store_.DisableControls(); }
  ~ControlsPaused() { store_.EnableControls(); }
  ControlsPaused(const ControlsPaused&) = delete;
  ControlsPaused& operator=(const ControlsPaused&) = delete;

 private:
  TableStore& store_;
};

}  // namespace kvadrix::tables
