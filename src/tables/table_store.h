#pragma once
// TableStore: one table in memory — typed fields, records with states, the change log,
// a filtered and optionally ordered view with a cursor — loaded from and saved to a table file.
//
// Text is UTF-8 in memory; code page 1250 exists only inside the file reader and writer.
// Every failure throws kvadrix::Error with a message fit for the user.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvadrix::tables {

enum class FieldKind {
  kInteger,   // "i4" (and, read-only, the other integer kinds)
  kString,    // "string", "string.uni"
  kDate,      // "date"
  kBoolean,   // "boolean"
  kReadOnly,  // any other kind the reader accepts: kept as its text, never written to
};

struct FieldDef {
  std::string name;  // as defined ("fieldname" when present, else "attrname")
  // The attribute name of its values in a ROW; empty: the name with any of " !#$%()*?" as "_".
  std::string attrname;
  std::string fieldtype;  // as in the file: "i4", "string", "date", "boolean", ...
  int width = 0;          // strings: the most characters a value keeps
  // Further FIELD attributes of a loaded file, written back unchanged, in file order.
  std::vector<std::pair<std::string, std::string>> extra_attributes;

  FieldKind Kind() const;
};

FieldDef IntegerField(std::string_view name);
FieldDef StringField(std::string_view name, int width);
FieldDef DateField(std::string_view name);
FieldDef BooleanField(std::string_view name);

// Record states as stored in the file's RowState attribute.
enum RowState : int {
  kUnchanged = 0,
  kSuperseded = 1,
  kDeleted = 2,
  kInserted = 4,
  kModified = 8,
};

class TableStore;

// A field of the current record (or of the record being edited or appended).
class FieldRef {
 public:
  FieldRef(TableStore* store, int field) : store_(store), field_(field) {}

  bool IsNull() const;
  int32_t AsInteger() const;  // null gives 0
  // Null gives ""; an Integer its decimal text, a Date "2006-12-07", a Boolean "TRUE"/"FALSE".
  std::string AsString() const;
  bool AsBoolean() const;     // null gives false
  double AsDateTime() const;  // a Date field: its day count; null gives 0

  // Writing needs edit or insert state.
  void SetAsInteger(int32_t value);
  void SetAsString(std::string_view value);  // a String field keeps at most its width
  void SetAsBoolean(bool value);
  void SetAsDateTime(double day_count);  // a Date field keeps the calendar day
  void Clear();                          // back to null

 private:
  TableStore* store_;
  int field_;
};

class TableStore {
 public:
  // A store whose fields come from the file it loads (the puzzle table).
  TableStore();
  // A store with declared fields; a loaded file must match them.
  explicit TableStore(std::vector<FieldDef> declared_fields);
  // For a store whose fields come from its file: the fields it reads, which a loaded file must
  // have (by name, of the same kind; widths and further fields are the file's).
  void SetRequiredFields(std::vector<FieldDef> fields);
  ~TableStore();
  TableStore(TableStore&&) noexcept;
  TableStore& operator=(TableStore&&) noexcept;

  void CreateDataSet();
  // A file that exists but fails to load is remembered: SaveToFile refuses to replace it.
  void LoadFromFile(const std::filesystem::path& file);
  // Loads the file when there is one, otherwise opens the store empty (a store with declared
  // fields); nothing is written.
  void LoadOrCreate(const std::filesystem::path& file);
  // LoadOrCreate, but only when the file is not what this store last loaded or saved: other
  // windows and machines save the same files, and an unchanged file costs one stat. A file
  // that failed to load is tried again only once it changed.
  // Returns whether it read the file again.
  bool Refresh(const std::filesystem::path& file);
  // Atomic: a temporary file in the same folder, flushed, renamed over the old one.
  // Refuses a file this store failed to load, so unreadable data is never overwritten.
  void SaveToFile(const std::filesystem::path& file);
  // Several stores saved as one change (replace_together.h): every file or none, across a
  // crash. Needs the folder's lock.
  struct FileOfStore {
    TableStore* store;
    std::filesystem::path file;
  };
  static void SaveToFilesTogether(const std::filesystem::path& folder,
                                  const std::vector<FileOfStore>& stores);
  // The same from and to memory; file_name only names the data in messages.
  void LoadFromBytes(std::string_view bytes, std::string_view file_name);
  std::string SaveToBytes();
  // Files this store creates from now on are readable and writable by their owner only
  // (the player file holds passwords). Off: new files get the process umask permissions and a
  // replaced file keeps its permissions.
  void SetOwnerOnlyFile(bool on);
  bool Active() const;
  // Throws unless the store is open: the error of the load that left it closed, so every later
  // use of a damaged table says what is wrong with its file.
  void RequireOpen() const;
  void EmptyDataSet();
  // Accepts every change: superseded and deleted records go, the others stay in record-number
  // order and become unchanged (no RowState), and the change log empties. For data files made
  // by tools, which ship without a history; the game itself never calls it.
  void MergeChangeLog();

  void First();
  void Next();
  bool Eof() const;
  int RecordCount() const;
  int RecNo() const;  // 1-based position of the cursor in the view, 0 when the view is empty

  FieldRef FieldByName(std::string_view name);
  int FieldCount() const;
  const FieldDef& Field(int index) const;
  int FieldIndex(std::string_view name) const;  // -1 when no field has that name

  void Append();
  void Edit();
  void Post();
  void Delete();
  // Deletes every record of the view, in view order, exactly as Delete at the first record
  // repeated until the view is empty, but with the view brought up to date once.
  void DeleteView();
  bool Editing() const;  // edit or insert state

  void SetFilter(std::string_view text);
  const std::string& Filter() const;
  void SetFiltered(bool on);
  bool Filtered() const;
  // Field names separated by ";"; ascending, records with equal keys keep their view order.
  void SetIndexFieldNames(std::string_view field_name);
  const std::string& IndexFieldNames() const;

  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const;

  // Read access to the view by position, for grids bound to the table.
  std::string ViewValue(int view_row, int field) const;
  bool ViewIsNull(int view_row, int field) const;

  // The records, their states, the change log and the cursor as they are now, to go back to
  // when a change cannot be saved (SavedChange in store_guards.h does both).
  struct Checkpoint {
    uint64_t generation = 0;  // which loaded or created data it belongs to; 0: store closed
    uint32_t records = 0;
    std::vector<uint8_t> states;
    size_t log_size = 0;
    size_t cleared_count = 0;         // values cleared by ClearHiddenValues so far
    std::optional<uint32_t> current;  // the cursor's record
  };
  Checkpoint MakeCheckpoint() const;
  // Later records and log entries go, values cleared since come back, the states are as they
  // were, a pending edit is dropped and the cursor goes back to its record (the first of the view
  // when that is gone). Nothing happens when the data was loaded or created anew since, or the
  // store was closed then.
  void RollBack(const Checkpoint& checkpoint);

  // What the file holds beyond the view.
  int StoredRecordCount() const;                   // every record, superseded and deleted included
  int StoredRecordState(int record) const;         // record numbers from 1
  const std::vector<uint32_t>& ChangeLog() const;  // three numbers per change
  std::string StoredValue(int record, int field) const;  // as ViewValue gives it

  // Nulls the fields of a superseded or deleted record, so a value no visible row holds (an old
  // password, a deleted player's name) is not written to the file again. The record, its state
  // and the change log stay as they are. Throws for a visible record.
  void ClearHiddenValues(int record, std::span<const int> fields);

  // Called after every change of the view or its data (bound grids refresh from it), not on
  // cursor moves; held back while controls are disabled and called once when enabled again.
  void SetChangeListener(std::function<void()> listener);

 private:
  friend class FieldRef;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The filter grammar's quoting of a string constant: apostrophes doubled, wrapped in apostrophes.
std::string QuoteFilterString(std::string_view text);

// True when every character of the UTF-8 text has a code page 1250 byte.
bool FitsCodePage1250(std::string_view utf8);

}  // namespace kvadrix::tables
