#pragma once
// The inside of TableStore, shared by its source files.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tables/compiled_filter.h"
#include "tables/file_io.h"
#include "tables/filter_parser.h"
#include "tables/table_data.h"
#include "tables/table_store.h"
#include "tables/view_order.h"

namespace kvadrix::tables {

struct TableStore::Impl {
  enum class Mode { kBrowse, kEdit, kInsert };

  std::vector<FieldDef> declared_fields;  // empty: the fields come from the loaded file
  std::vector<FieldDef> required_fields;  // what a file giving the fields must have
  TableData data;                         // holds the declared fields while closed
  bool active = false;
  uint64_t generation = 0;  // counts the data loaded or created, for checkpoints
  // Every value ClearHiddenValues nulled in this data, in order, for RollBack to restore.
  struct ClearedValue {
    uint32_t record;
    int field;
  };
  std::vector<ClearedValue> cleared;

  std::string filter_text;
  std::vector<FilterCondition> filter_conditions;
  CompiledFilter filter;  // bound to data.fields whenever they are known
  bool filtered = false;
  std::string index_text;
  std::vector<std::string> index_names;
  ViewOrder view;

  size_t cursor = 0;  // position in the view
  bool eof = true;
  Mode mode = Mode::kBrowse;
  std::vector<Value> buffer;  // the record being edited or appended
  uint32_t edited_record = 0;
  bool buffer_changed = false;

  std::vector<std::filesystem::path> unsafe_files;  // failed to load: never saved over
  std::string load_error;                           // why the store is closed, if a load failed
  bool owner_only = false;
  // The file the data last came from or went to, and what that file was then.
  std::filesystem::path file;
  FileIdentity file_identity;
  bool file_known = false;
  // What that file holds, when data.layout knows where its rows are, so that a save can splice
  // the file: the first on_disk.states.size() records (in those states) and log entries.
  struct OnDisk {
    bool usable = false;
    decltype(TableData::states) states;
    size_t log_size = 0;
    // How many of the data's records and log entries are still those of the file: a rollback
    // or an emptied table drops some, and what comes anew in their place is not the file's.
    size_t intact_records = 0;
    size_t intact_log = 0;
    std::vector<uint32_t> touched_values;  // records whose values were cleared or restored
  } on_disk;

  std::function<void()> listener;
  int controls_disabled = 0;
  bool change_held_back = false;

  const std::vector<uint32_t>& Records() const { return view.Records(); }
  void RequireActive() const;
  void Notify();
  void PostPending();
  void Post();
  void MoveToFirst();
  void PlaceCursorOn(uint32_t record);
  void ApplyFilterSetting();
  ValueRef Current(int field) const;
  void CheckField(int field) const;    // a FieldRef kept across a load may point past the fields
  void CheckRecord(int record) const;  // a stored record's number, from 1
  // Takes the loaded or created data; throws, leaving the store closed, when the filter or the
  // index names a field the data lacks.
  void Open(TableData new_data);
  void Close();
  // Closes, then opens what read gives; read throws kvadrix::Error for a fault of the file.
  void Load(const std::function<TableData()>& read, const std::string& file_name, bool* file_fault);
  void RememberFile(const std::filesystem::path& path, const FileIdentity& identity);
  // The data now is what the file holds, laid out as layout says (or unknown).
  void RememberFileContents(FileLayout layout);
  // Refuses a file that failed to load; posts the pending record.
  void CheckSavable(const std::filesystem::path& path);
  // The table's file written whole into a stream, a piece at a time; fills layout as it goes.
  ContentWriter ContentOf(FileLayout* layout) const;
  // The remembered file spliced into what the data is now, when it is still the file saved or
  // loaded last and the data only grew and changed rows since; false when the file must be
  // written whole. Throws for a value the file cannot hold.
  struct SplicePlan {
    SplicedContent content;
    FileLayout layout;  // of the spliced file
  };
  bool PlanSplice(const std::filesystem::path& path, SplicePlan& plan);
  void CheckDeclaredFields(const TableData& loaded) const;
  void CheckRequiredFields(const TableData& loaded) const;
  std::vector<int> BindIndex(const std::vector<FieldDef>& fields) const;
  void CheckWritable(int field) const;
  void StoreValue(int field, Value value);
  void CancelPending();  // the record being edited or appended is dropped
};

}  // namespace kvadrix::tables
