// TableStore: opening, loading, saving and the view settings.
#include "tables/table_store.h"

#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <system_error>

#include "common/error.h"
#include "tables/file_io.h"
#include "tables/replace_together.h"
#include "tables/table_reader.h"
#include "tables/table_store_impl.h"
#include "tables/table_writer.h"
#include "tables/value_text.h"

namespace kvadrix::tables {
namespace {

std::filesystem::path Normalized(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::path normal = std::filesystem::weakly_canonical(file, error);
  return error ? std::filesystem::absolute(file, error).lexically_normal() : normal;
}

std::string DescribeFields(const std::vector<FieldDef>& fields) {
  std::string text;
  for (const FieldDef& field : fields) {
    if (!text.empty()) text += ", ";
    text += field.name + " " + field.fieldtype;
    if (field.width > 0) text += std::string(" ") + std::to_string(field.width);
  }
  return text;
}

std::vector<std::string> SplitIndexNames(std::string_view text) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view name = text.substr(start, end - start);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (!name.empty()) names.emplace_back(name);
    start = end + 1;
  }
  return names;
}

}  // namespace

void TableStore::Impl::RequireActive() const {
  if (!active)
    throw Error(load_error.empty() ? std::string("A tábla nincs megnyitva.") : load_error);
}

void TableStore::Impl::Notify() {
  if (controls_disabled > 0) {
    change_held_back = true;
  } else if (listener) {
    listener();
  }
}

void TableStore::Impl::ApplyFilterSetting() { view.SetFilter(filtered ? &filter : nullptr); }

std::vector<int> TableStore::Impl::BindIndex(const std::vector<FieldDef>& fields) const {
  std::vector<int> bound;
  for (const std::string& name : index_names) {
    const int field = FindField(fields, name);
    if (field < 0) {
      throw Error(std::string("Az index mezője nem létezik: nincs ") + Quoted(name) +
                  " nevű mező.");
    }
    bound.push_back(field);
  }
  return bound;
}

void TableStore::Impl::Open(TableData new_data) {
  CompiledFilter new_filter;
  std::vector<int> new_index;
  try {
    new_filter = CompiledFilter::Compile(filter_conditions, new_data.fields, new_data.types);
    new_index = BindIndex(new_data.fields);
  } catch (const Error&) {
    Close();
    throw;
  }
  data = std::move(new_data);
  RememberFileContents(std::move(data.layout));
  filter = std::move(new_filter);
  active = true;
  ++generation;
  cleared.clear();
  load_error.clear();
  mode = Mode::kBrowse;
  ApplyFilterSetting();
  view.SetIndex(std::move(new_index));
  view.Rebuild(data);
  MoveToFirst();
  Notify();
}

void TableStore::Impl::Close() {
  const bool was_active = active;
  active = false;
  mode = Mode::kBrowse;
  view.Clear();
  cursor = 0;
  eof = true;
  data = TableData();
  RememberFileContents(FileLayout());
  cleared.clear();
  if (!declared_fields.empty()) data.SetFields(declared_fields);
  if (was_active) Notify();
}

void TableStore::Impl::CheckDeclaredFields(const TableData& loaded) const {
  if (declared_fields.empty()) return;
  bool same = loaded.fields.size() == declared_fields.size();
  for (size_t i = 0; same && i < declared_fields.size(); ++i) {
    const FieldDef& declared = declared_fields[i];
    same = EqualsIgnoreCase(loaded.fields[i].name, declared.name) &&
           EqualsIgnoreCase(loaded.fields[i].fieldtype, declared.fieldtype) &&
           (declared.Kind() != FieldKind::kString || loaded.fields[i].width == declared.width);
  }
  if (!same) {
    throw Error(
        "a mezői nem egyeznek a tábla mezőivel (a fájlban: " + DescribeFields(loaded.fields) +
        std::string("; a táblában: ") + DescribeFields(declared_fields) + ")");
  }
}

void TableStore::Impl::CheckRequiredFields(const TableData& loaded) const {
  for (const FieldDef& required : required_fields) {
    const int field = FindField(loaded.fields, required.name);
    if (field < 0) throw Error("hiányzik a(z) " + Quoted(required.name) + " mező");
    if (loaded.fields[field].Kind() != required.Kind()) {
      throw Error("a(z) " + Quoted(required.name) + " mező típusa nem megfelelő (" +
                  Quoted(loaded.fields[field].fieldtype) + ")");
    }
  }
}

void TableStore::Impl::Load(const std::function<TableData()>& read, const std::string& file_name,
                            bool* file_fault) {
  Close();
  TableData loaded;
  try {
    try {
      loaded = read();
      CheckDeclaredFields(loaded);
      CheckRequiredFields(loaded);
    } catch (const Error& error) {
      *file_fault = true;
      throw Error(std::string("A(z) ") + Quoted(file_name) +
                  " fájl nem olvasható: " + error.what() + ".");
    }
    Open(std::move(loaded));
  } catch (const Error& error) {
    load_error = error.what();
    throw;
  }
}

TableStore::TableStore() : impl_(std::make_unique<Impl>()) {}

TableStore::TableStore(std::vector<FieldDef> declared_fields) : impl_(std::make_unique<Impl>()) {
  try {
    impl_->data.SetFields(declared_fields);
  } catch (const Error& error) {
    throw Error(std::string("A tábla mezői hibásak: ") + error.what() + ".");
  }
  impl_->declared_fields = std::move(declared_fields);
}

TableStore::~TableStore() = default;
TableStore::TableStore(TableStore&&) noexcept = default;
TableStore& TableStore::operator=(TableStore&&) noexcept = default;

void TableStore::CreateDataSet() {
  if (impl_->declared_fields.empty()) throw Error("A táblának nincsenek mezői.");
  TableData fresh;
  fresh.SetFields(impl_->declared_fields);
  impl_->file_known = false;
  impl_->Open(std::move(fresh));
}

void TableStore::Impl::RememberFile(const std::filesystem::path& path,
                                    const FileIdentity& identity) {
  file = path;
  file_identity = identity;
  file_known = true;
}

void TableStore::Impl::RememberFileContents(FileLayout layout) {
  data.layout = std::move(layout);
  on_disk.usable = data.layout.known && !data.change_log.empty() &&
                   data.layout.row_begins.size() == data.RecordCount();
  on_disk.states.clear();
  on_disk.touched_values.clear();
  if (on_disk.usable) on_disk.states = data.states;
  on_disk.log_size = on_disk.intact_log = on_disk.usable ? data.change_log.size() : 0;
  on_disk.intact_records = on_disk.states.size();
}

void TableStore::Impl::CheckSavable(const std::filesystem::path& path) {
  RequireActive();
  PostPending();
  const std::filesystem::path normal = Normalized(path);
  for (const std::filesystem::path& unsafe : unsafe_files) {
    if (unsafe == normal) {
      throw Error(std::string("A(z) ") + Quoted(path.string()) + " fájl nem menthető: " +
                  "a betöltése nem sikerült, ezért a program nem írja felül, hogy a " +
                  "benne lévő adatok megmaradjanak.");
    }
  }
}

ContentWriter TableStore::Impl::ContentOf(FileLayout* layout) const {
  return [this, layout](ContentStream& stream) {
    WriteTableFile(data, layout, [&stream](std::string_view piece) { stream.Write(piece); });
  };
}

bool TableStore::Impl::PlanSplice(const std::filesystem::path& path, SplicePlan& plan) {
  const size_t file_records = on_disk.states.size();
  if (!on_disk.usable || !file_known || file != path || on_disk.intact_records != file_records ||
      on_disk.intact_log != on_disk.log_size || CurrentIdentity(path) != file_identity) {
    return false;
  }
  // The file's rows that differ now: a changed state, or values cleared or restored.
  std::vector<uint32_t> changed;
  for (const uint32_t record : on_disk.touched_values) {
    if (record < file_records) changed.push_back(record);
  }
  for (uint32_t record = 0; record < file_records; ++record) {
    if (data.states[record] != on_disk.states[record]) changed.push_back(record);
  }
  std::sort(changed.begin(), changed.end());
  changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
  return SpliceTableFile(data, data.layout, on_disk.log_size, changed, plan.content, plan.layout);
}

void TableStore::LoadOrCreate(const std::filesystem::path& file) {
  const FileIdentity identity = CurrentIdentity(file);
  struct stat info;
  if (identity.present || ::lstat(file.c_str(), &info) == 0) {
    LoadFromFile(file);
  } else {
    CreateDataSet();
    impl_->RememberFile(file, identity);
  }
}

bool TableStore::Refresh(const std::filesystem::path& file) {
  if (impl_->file_known && impl_->file == file && CurrentIdentity(file) == impl_->file_identity) {
    impl_->RequireActive();  // a damaged file that is still the same says so again
    return false;
  }
  LoadOrCreate(file);
  return true;
}

void TableStore::LoadFromFile(const std::filesystem::path& file) {
  const std::string name = file.string();
  ReadFailure failure;
  bool file_fault = false;
  impl_->file_known = false;
  try {
    impl_->Close();  // the old data goes before the new is read
    TableData loaded;
    FileIdentity identity;
    std::optional<Error> content_fault;
    bool read = false;
    try {
      read = LoadTableFile(file, loaded, identity, failure);
    } catch (const Error& error) {
      read = true;
      content_fault = error;
    }
    if (!read) {
      impl_->RememberFile(file, CurrentIdentity(file));
      file_fault = failure.exists;
      impl_->load_error =
          std::string("A(z) ") + Quoted(name) + " fájl nem olvasható: " + failure.reason + ".";
      throw Error(impl_->load_error);
    }
    impl_->RememberFile(file, identity);
    impl_->Load(
        [&] {
          if (content_fault) throw *content_fault;
          return std::move(loaded);
        },
        name, &file_fault);
  } catch (const Error&) {
    std::vector<std::filesystem::path>& unsafe = impl_->unsafe_files;
    if (file_fault && std::find(unsafe.begin(), unsafe.end(), Normalized(file)) == unsafe.end()) {
      unsafe.push_back(Normalized(file));
    }
    throw;
  }
  std::erase(impl_->unsafe_files, Normalized(file));
}

void TableStore::LoadFromBytes(std::string_view bytes, std::string_view file_name) {
  bool file_fault = false;
  impl_->file_known = false;
  impl_->Load([&] { return ReadTableFile(bytes); }, std::string(file_name), &file_fault);
}

std::string TableStore::SaveToBytes() {
  impl_->RequireActive();
  impl_->PostPending();
  return WriteTableFile(impl_->data);
}

void TableStore::SaveToFile(const std::filesystem::path& file) {
  Impl& impl = *impl_;
  impl.CheckSavable(file);
  // A value the file cannot hold is refused with its own message, before anything is written.
  const auto fail = [&file](const Error& error) {
    return Error(std::string("A(z) ") + Quoted(file.string()) +
                 " fájl nem menthető: " + error.what() + ".");
  };
  Impl::SplicePlan plan;
  if (impl.PlanSplice(file, plan)) {
    std::optional<FileIdentity> identity;
    try {
      identity = ReplaceFileBySplice(file, plan.content, impl.file_identity, impl.owner_only);
    } catch (const Error& error) {
      throw fail(error);
    }
    if (identity) {
      impl.RememberFile(file, *identity);
      impl.RememberFileContents(std::move(plan.layout));
      return;
    }
  }
  // Written whole: the file is not the one the store knows, or its layout is not known.
  FileLayout layout;
  try {
    impl.RememberFile(file, ReplaceFileAtomically(file, impl.ContentOf(&layout), impl.owner_only));
  } catch (const ContentRefused&) {
    throw;  // a value the file cannot hold says so itself
  } catch (const Error& error) {
    throw fail(error);
  }
  impl.RememberFileContents(std::move(layout));
}

void TableStore::SaveToFilesTogether(const std::filesystem::path& folder,
                                     const std::vector<FileOfStore>& stores) {
  std::vector<FileLayout> layouts(stores.size());
  std::vector<Replacement> replacements;
  for (size_t i = 0; i < stores.size(); ++i) {
    Impl& impl = *stores[i].store->impl_;
    impl.CheckSavable(stores[i].file);
    replacements.push_back({stores[i].file, {}, impl.owner_only, impl.ContentOf(&layouts[i])});
  }
  const std::vector<FileIdentity> identities = ReplaceFilesTogether(folder, replacements);
  for (size_t i = 0; i < stores.size(); ++i) {
    stores[i].store->impl_->RememberFile(stores[i].file, identities[i]);
    stores[i].store->impl_->RememberFileContents(std::move(layouts[i]));
  }
}

void TableStore::SetRequiredFields(std::vector<FieldDef> fields) {
  impl_->required_fields = std::move(fields);
}

void TableStore::SetOwnerOnlyFile(bool on) { impl_->owner_only = on; }

bool TableStore::Active() const { return impl_->active; }

void TableStore::RequireOpen() const { impl_->RequireActive(); }

void TableStore::EmptyDataSet() {
  impl_->RequireActive();
  impl_->mode = Impl::Mode::kBrowse;
  ++impl_->generation;
  impl_->cleared.clear();
  impl_->data.ClearRecords();
  impl_->on_disk.intact_records = impl_->on_disk.intact_log = 0;
  impl_->view.Rebuild(impl_->data);
  impl_->MoveToFirst();
  impl_->Notify();
}

void TableStore::SetFilter(std::string_view text) {
  Impl& impl = *impl_;
  std::vector<FilterCondition> conditions = ParseFilter(text);
  CompiledFilter compiled;
  if (!impl.data.fields.empty()) {
    compiled = CompiledFilter::Compile(conditions, impl.data.fields, impl.data.types);
  }
  const bool rebuild = impl.active && impl.filtered;
  if (rebuild) impl.PostPending();
  impl.filter_text = std::string(text);
  impl.filter_conditions = std::move(conditions);
  impl.filter = std::move(compiled);
  if (rebuild) {
    impl.view.Refilter(impl.data);
    impl.MoveToFirst();
    impl.Notify();
  }
}

const std::string& TableStore::Filter() const { return impl_->filter_text; }

void TableStore::SetFiltered(bool on) {
  Impl& impl = *impl_;
  if (impl.active) impl.PostPending();
  impl.filtered = on;
  impl.ApplyFilterSetting();
  if (impl.active) {
    impl.view.Refilter(impl.data);
    impl.MoveToFirst();  // even when the setting did not change
    impl.Notify();
  }
}

bool TableStore::Filtered() const { return impl_->filtered; }

void TableStore::SetIndexFieldNames(std::string_view field_name) {
  Impl& impl = *impl_;
  std::vector<std::string> previous = std::exchange(impl.index_names, SplitIndexNames(field_name));
  std::vector<int> bound;
  try {
    if (!impl.data.fields.empty()) bound = impl.BindIndex(impl.data.fields);
  } catch (const Error&) {
    impl.index_names = std::move(previous);
    throw;
  }
  impl.index_text = std::string(field_name);
  if (!impl.active) {
    impl.view.SetIndex(std::move(bound));
    return;
  }
  impl.PostPending();
  if (bound == impl.view.IndexFields()) return;  // the same order: nothing to redo
  const bool had_record = !impl.Records().empty();
  const uint32_t record = had_record ? impl.Records()[impl.cursor] : 0;
  impl.view.SetIndex(std::move(bound));
  impl.view.Resort(impl.data);
  if (had_record) {
    impl.PlaceCursorOn(record);
  } else {
    impl.MoveToFirst();
  }
  impl.Notify();
}

const std::string& TableStore::IndexFieldNames() const { return impl_->index_text; }

void TableStore::DisableControls() { ++impl_->controls_disabled; }

void TableStore::EnableControls() {
  Impl& impl = *impl_;
  if (impl.controls_disabled > 0 && --impl.controls_disabled == 0 && impl.change_held_back) {
    impl.change_held_back = false;
    impl.Notify();
  }
}

bool TableStore::ControlsDisabled() const { return impl_->controls_disabled > 0; }

void TableStore::SetChangeListener(std::function<void()> listener) {
  impl_->listener = std::move(listener);
}

}  // namespace kvadrix::tables
