#include "tables/table_writer.h"

#include <array>
#include <string_view>

#include "common/error.h"
#include "tables/value_text.h"
#include "tables/xml_escape.h"

namespace kvadrix::tables {
namespace {

constexpr std::string_view kHead =
    "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";

// FIELD properties in the order they are written; WIDTH comes from the field's width.
constexpr std::array<std::string_view, 8> kFieldPropertyOrder = {
    "readonly", "required", "hidden", "linkfield", "SUBTYPE", "DECIMALS", "WIDTH", "CALCULATED"};

[[noreturn]] void ThrowUnstorable(const std::string& what, std::string_view text) {
  throw ContentRefused(what +
                       " olyan karaktert tartalmaz, amelyet a táblafájl nem tud tárolni: \"" +
                       std::string(text) + "\"");
}

void AppendAttribute(std::string& out, std::string_view name, std::string_view value) {
  out += ' ';
  if (!AppendEscapedCp1250(out, name)) ThrowUnstorable("egy tulajdonság neve", name);
  out += "=\"";
  if (!AppendEscapedCp1250(out, value)) {
    ThrowUnstorable(std::string("a(z) \"") + std::string(name) + "\" tulajdonság értéke", value);
  }
  out += '"';
}

bool IsOrderedProperty(std::string_view name) {
  for (std::string_view ordered : kFieldPropertyOrder) {
    if (ordered == name) return true;
  }
  return false;
}

void AppendField(std::string& out, const FieldDef& field) {
  const std::string attrname = AttrNameOf(field);
  out += "<FIELD";
  if (field.name != attrname) AppendAttribute(out, "fieldname", field.name);
  AppendAttribute(out, "attrname", attrname);
  AppendAttribute(out, "fieldtype", field.fieldtype);
  for (std::string_view property : kFieldPropertyOrder) {
    if (property == "WIDTH") {
      if (field.width > 0) AppendAttribute(out, "WIDTH", std::to_string(field.width));
      continue;
    }
    for (const auto& [name, value] : field.extra_attributes) {
      if (name == property) AppendAttribute(out, name, value);
    }
  }
  for (const auto& [name, value] : field.extra_attributes) {
    if (!IsOrderedProperty(name)) AppendAttribute(out, name, value);
  }
  out += "/>";
}

std::string ChangeLogText(const std::vector<uint32_t>& change_log) {
  std::string text;
  text.reserve(change_log.size() * 7);
  for (size_t i = 0; i < change_log.size(); ++i) {
    if (i > 0) text += ' ';
    AppendInteger(text, change_log[i]);
  }
  return text;
}

void AppendLog(std::string& out, const TableData& data, FileLayout* layout) {
  AppendAttribute(out, kChangeLogParam, ChangeLogText(data.change_log));
  if (layout != nullptr) layout->log_end = static_cast<uint32_t>(out.size() - 1);  // before '"'
}

void AppendParams(std::string& out, const TableData& data, FileLayout* layout) {
  out += "<PARAMS";
  // The log keeps the place it had in a loaded file; a new log comes first.
  bool log_has_place = false;
  for (const Attribute& param : data.params) log_has_place |= param.name == kChangeLogParam;
  const bool has_log = !data.change_log.empty();
  if (has_log && !log_has_place) {
    AppendLog(out, data, layout);
  }
  for (const Attribute& param : data.params) {
    if (param.name != kChangeLogParam) {
      AppendAttribute(out, param.name, param.value);
    } else if (has_log) {
      AppendLog(out, data, layout);
    }
  }
  if (data.param_elements.empty()) {
    out += "/>";
    return;
  }
  out += '>';
  for (const std::vector<Attribute>& element : data.param_elements) {
    out += "<PARAM";
    for (const Attribute& attribute : element)
      AppendAttribute(out, attribute.name, attribute.value);
    out += "/>";
  }
  out += "</PARAMS>";
}

void AppendValue(std::string& out, const TableData& data, uint32_t record, size_t field) {
  const Column& column = data.columns[field];
  switch (data.types[field].kind) {
    case FieldKind::kInteger:
      AppendInteger(out, column.Number(record));
      break;
    case FieldKind::kDate:
      AppendFileDate(out, static_cast<int32_t>(column.Number(record)));
      break;
    case FieldKind::kBoolean:
      out += BooleanText(column.Number(record) != 0);
      break;
    case FieldKind::kString:
    case FieldKind::kReadOnly:
      if (!AppendEscapedCp1250(out, column.Text(record))) {
        ThrowUnstorable("a(z) \"" + data.fields[field].name + "\" mező egyik értéke",
                        column.Text(record));
      }
      break;
  }
}

// Writes rows, each value opening with ` attrname="`, encoded once for all rows.
class RowWriter {
 public:
  explicit RowWriter(const TableData& data) : data_(data) {
    for (const FieldDef& field : data.fields) {
      std::string opening = " ";
      if (!AppendEscapedCp1250(opening, AttrNameOf(field))) {
        ThrowUnstorable("a(z) \"" + field.name + "\" mező neve", AttrNameOf(field));
      }
      opening += "=\"";
      openings_.push_back(std::move(opening));
    }
  }

  void Append(std::string& out, uint32_t record) const {
    const int32_t state = data_.states[record];
    out += "<ROW";
    if (state != kUnchanged) {
      out += " RowState=\"";
      AppendInteger(out, state);
      out += '"';
    }
    for (size_t field = 0; field < data_.fields.size(); ++field) {
      if (data_.columns[field].IsNull(record)) continue;
      out += openings_[field];
      AppendValue(out, data_, record, field);
      out += '"';
    }
    out += "/>";
  }

 private:
  const TableData& data_;
  std::vector<std::string> openings_;
};

// The file's text so far; with a sink, each megabyte or so goes there between rows.
class Output {
 public:
  explicit Output(const ByteSink* sink) : sink_(sink) {}
  std::string text;
  uint64_t Offset() const { return handed_ + text.size(); }
  void RowDone() {
    if (sink_ != nullptr && text.size() >= kPiece) HandOn();
  }
  void HandOn() {
    (*sink_)(text);
    handed_ += text.size();
    text.clear();
  }

 private:
  static constexpr size_t kPiece = size_t{1} << 20;
  const ByteSink* sink_;
  uint64_t handed_ = 0;
};

// With an empty log the file holds the visible records only; otherwise every version, and the
// layout gets where each begins.
void AppendRows(Output& out, const TableData& data, FileLayout* layout) {
  const RowWriter rows(data);
  const bool all_records = !data.change_log.empty();
  if (layout != nullptr && all_records) layout->row_begins.reserve(data.RecordCount());
  for (uint32_t record = 0; record < data.RecordCount(); ++record) {
    if (!all_records && !IsVisibleState(data.states[record])) continue;
    if (layout != nullptr && all_records) {
      layout->row_begins.push_back(static_cast<uint32_t>(out.Offset()));
    }
    rows.Append(out.text, record);
    out.RowDone();
  }
}

constexpr std::string_view kTail = "</ROWDATA></DATAPACKET>";

// Offsets are kept in 32 bits; a table file is far below that (kMaxTableFileBytes).
bool FitsLayout(size_t size) { return size <= UINT32_MAX; }

}  // namespace

std::string WriteTableFile(const TableData& data) { return WriteTableFile(data, nullptr); }

namespace {

void Write(Output& out, const TableData& data, FileLayout* layout) {
  if (layout != nullptr) *layout = FileLayout();
  out.text += kHead;
  for (const FieldDef& field : data.fields) AppendField(out.text, field);
  out.text += "</FIELDS>";
  AppendParams(out.text, data, layout);
  out.text += "</METADATA><ROWDATA>";
  AppendRows(out, data, layout);
  if (layout != nullptr) {
    layout->rows_end = static_cast<uint32_t>(out.Offset());
    layout->known = !data.change_log.empty() && FitsLayout(out.Offset());
    if (!layout->known) *layout = FileLayout();
  }
  out.text += kTail;
}

}  // namespace

std::string WriteTableFile(const TableData& data, FileLayout* layout) {
  Output out(nullptr);
  out.text.reserve(256 + data.RecordCount() * (16 + data.fields.size() * 16) +
                   data.change_log.size() * 7);
  Write(out, data, layout);
  return std::move(out.text);
}

void WriteTableFile(const TableData& data, FileLayout* layout, const ByteSink& sink) {
  Output out(&sink);
  Write(out, data, layout);
  out.HandOn();
}

namespace {

// Pieces in order, neighbouring text pieces joined.
class PieceList {
 public:
  explicit PieceList(SplicedContent& content) : content_(content) {}
  void Copy(uint64_t begin, uint64_t end) {
    if (end > begin) content_.pieces.push_back({true, begin, end - begin});
  }
  // Takes the text appended since the last piece.
  void TakeText() {
    const uint64_t end = content_.text.size();
    if (end == text_taken_) return;
    if (!content_.pieces.empty() && !content_.pieces.back().from_old) {
      content_.pieces.back().size += end - text_taken_;
    } else {
      content_.pieces.push_back({false, text_taken_, end - text_taken_});
    }
    text_taken_ = end;
  }

 private:
  SplicedContent& content_;
  uint64_t text_taken_ = 0;
};

}  // namespace

bool SpliceTableFile(const TableData& data, const FileLayout& old_layout, size_t old_log_size,
                     std::span<const uint32_t> changed_rows, SplicedContent& content,
                     FileLayout& new_layout) {
  const std::vector<uint32_t>& old_begins = old_layout.row_begins;
  const uint32_t old_records = static_cast<uint32_t>(old_begins.size());
  if (!old_layout.known || old_log_size == 0 || data.change_log.size() < old_log_size ||
      data.RecordCount() < old_records ||
      (!changed_rows.empty() && changed_rows.back() >= old_records)) {
    return false;
  }
  content = SplicedContent();
  new_layout = FileLayout();
  std::string& text = content.text;
  PieceList pieces(content);

  pieces.Copy(0, old_layout.log_end);
  for (size_t i = old_log_size; i < data.change_log.size(); ++i) {
    text += ' ';
    AppendInteger(text, data.change_log[i]);
  }
  int64_t shift = static_cast<int64_t>(text.size());  // new offset minus old, so far
  pieces.TakeText();
  new_layout.log_end = static_cast<uint32_t>(old_layout.log_end + shift);

  std::vector<uint32_t>& new_begins = new_layout.row_begins;
  new_begins.resize(data.RecordCount());
  const auto shift_rows = [&](uint32_t from, uint32_t to) {
    for (uint32_t row = from; row < to; ++row) {
      new_begins[row] = static_cast<uint32_t>(old_begins[row] + shift);
    }
  };
  const RowWriter rows(data);
  uint64_t copied_to = old_layout.log_end;
  uint32_t next_row = 0;  // rows before it have their new offsets
  for (const uint32_t row : changed_rows) {
    shift_rows(next_row, row);
    pieces.Copy(copied_to, old_begins[row]);
    const size_t before = text.size();
    rows.Append(text, row);
    pieces.TakeText();
    new_begins[row] = static_cast<uint32_t>(old_begins[row] + shift);
    const uint64_t old_end = row + 1 < old_records ? old_begins[row + 1] : old_layout.rows_end;
    shift += static_cast<int64_t>(text.size() - before) -
             static_cast<int64_t>(old_end - old_begins[row]);
    copied_to = old_end;
    next_row = row + 1;
  }
  shift_rows(next_row, old_records);
  pieces.Copy(copied_to, old_layout.rows_end);

  const uint64_t appended_at = old_layout.rows_end + shift;
  const size_t appended_text = text.size();
  for (uint32_t record = old_records; record < data.RecordCount(); ++record) {
    new_begins[record] = static_cast<uint32_t>(appended_at + (text.size() - appended_text));
    rows.Append(text, record);
  }
  const uint64_t rows_end = appended_at + (text.size() - appended_text);
  if (!FitsLayout(rows_end + kTail.size())) return false;
  new_layout.rows_end = static_cast<uint32_t>(rows_end);
  text += kTail;
  pieces.TakeText();
  new_layout.known = true;
  return true;
}

}  // namespace kvadrix::tables
