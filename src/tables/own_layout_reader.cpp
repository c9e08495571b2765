#include "tables/own_layout_reader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/error.h"
#include "tables/cp1250.h"
#include "tables/table_writer.h"
#include "tables/utf8.h"
#include "tables/value_text.h"

namespace kvadrix::tables {
namespace {

constexpr uint64_t kNoMark = UINT64_MAX;

// A window over the file: the bytes from pos to end are read and not yet taken. More() reads on,
// moving the window; pointers into it are then stale. Bytes from the mark on are kept too.
class Input {
 public:
  explicit Input(std::string_view whole)
      : pos(whole.data()),
        end(whole.data() + whole.size()),
        data_(whole.data()),
        size_hint_(whole.size()) {}
  Input(FileChunks& chunks, ReadFailure& failure, size_t chunk_bytes)
      : chunks_(&chunks),
        failure_(&failure),
        buffer_(std::make_unique_for_overwrite<char[]>(chunk_bytes)),
        capacity_(chunk_bytes),
        size_hint_(static_cast<uint64_t>(chunks.Identity().size)) {
    pos = end = data_ = buffer_.get();
  }

  const char* pos;
  const char* end;

  uint64_t Offset(const char* at) const { return base_ + static_cast<uint64_t>(at - data_); }
  uint64_t SizeHint() const { return size_hint_; }
  bool Faulted() const { return faulted_; }
  void Mark() { mark_ = Offset(pos); }
  void Unmark() { mark_ = kNoMark; }
  std::string_view Marked() const {
    return std::string_view(data_ + (mark_ - base_),
                            static_cast<size_t>(pos - data_) - static_cast<size_t>(mark_ - base_));
  }

  // False at the end of the file or on a read fault.
  bool More() {
    if (chunks_ == nullptr || faulted_) return false;
    const char* keep = mark_ == kNoMark ? pos : data_ + (mark_ - base_);
    const size_t kept = static_cast<size_t>(end - keep);
    const size_t pos_in_kept = static_cast<size_t>(pos - keep);
    if (kept == capacity_) {
      auto larger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
      std::memcpy(larger.get(), keep, kept);
      buffer_ = std::move(larger);
      capacity_ *= 2;
    } else if (keep != buffer_.get()) {
      std::memmove(buffer_.get(), keep, kept);
    }
    base_ += static_cast<uint64_t>(keep - data_);
    data_ = buffer_.get();
    pos = data_ + pos_in_kept;
    end = data_ + kept;
    size_t got = 0;
    if (!chunks_->Read(buffer_.get() + kept, capacity_ - kept, got, *failure_)) {
      faulted_ = true;
      return false;
    }
    end += got;
    return got > 0;
  }

  // Makes at least count bytes available from pos when the file has them.
  bool Have(size_t count) {
    while (static_cast<size_t>(end - pos) < count) {
      if (!More()) return false;
    }
    return true;
  }

  // The distance from pos to the next c, reading on as needed; false when none follows.
  bool Find(char c, size_t& distance) {
    size_t searched = 0;
    while (true) {
      const size_t size = static_cast<size_t>(end - pos);
      if (const void* at = std::memchr(pos + searched, c, size - searched)) {
        distance = static_cast<size_t>(static_cast<const char*>(at) - pos);
        return true;
      }
      searched = size;
      if (!More()) return false;
    }
  }

  // Takes the literal when it follows.
  bool Take(std::string_view literal) {
    if (!Have(literal.size()) || std::string_view(pos, literal.size()) != literal) return false;
    pos += literal.size();
    return true;
  }

 private:
  FileChunks* chunks_ = nullptr;
  ReadFailure* failure_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = 0;
  const char* data_;   // the first byte of the window
  uint64_t base_ = 0;  // its offset in the file
  uint64_t mark_ = kNoMark;
  uint64_t size_hint_;
  bool faulted_ = false;
};

// The high bytes the writer would write back as they are: assigned, and the byte of their own
// character.
const std::array<uint32_t, 128>& HighBytes() {
  static const std::array<uint32_t, 128> table = [] {
    std::array<uint32_t, 128> code_points{};
    for (int byte = 0x80; byte < 0x100; ++byte) {
      const uint32_t code_point = Cp1250ToCodePoint(static_cast<unsigned char>(byte));
      const bool round_trip =
          code_point != kUnassignedByte && CodePointToCp1250(code_point) == byte;
      code_points[byte - 0x80] = round_trip ? code_point : 0;
    }
    return code_points;
  }();
  return table;
}

// The escapes AppendEscapedCp1250 writes, and what they stand for.
struct Escape {
  std::string_view text;
  char stands_for;
};
constexpr std::array<Escape, 9> kEscapes = {{{"&lt;", '<'},
                                             {"&gt;", '>'},
                                             {"&amp;", '&'},
                                             {"&apos;", '\''},
                                             {"&quot;", '"'},
                                             {"&#013;", '\r'},
                                             {"&#010;", '\n'},
                                             {"&#009;", '\t'},
                                             {"&#092;", '\\'}}};

// The attribute value as the general reader gives it, when the writer would write it back to
// these very bytes; false otherwise.
bool DecodeValue(std::string_view raw, std::string& out) {
  out.clear();
  const std::array<uint32_t, 128>& high = HighBytes();
  for (size_t pos = 0; pos < raw.size(); ++pos) {
    const auto byte = static_cast<unsigned char>(raw[pos]);
    if (byte >= 0x80) {
      const uint32_t code_point = high[byte - 0x80];
      if (code_point == 0) return false;
      AppendUtf8(out, code_point);
    } else if (byte == '&') {
      const Escape* found = nullptr;
      for (const Escape& escape : kEscapes) {
        if (raw.substr(pos, escape.text.size()) == escape.text) found = &escape;
      }
      if (found == nullptr) return false;
      out += found->stands_for;
      pos += found->text.size() - 1;
    } else if (byte < 0x20 || byte == 0x7F || byte == '<' || byte == '>' || byte == '\'' ||
               byte == '"' || byte == '\\') {
      return false;
    } else {
      out += static_cast<char>(byte);
    }
  }
  return true;
}

// Only what AppendInteger writes: no sign but "-", no leading zero, no "-0".
bool ParseCanonicalInteger(std::string_view text, int64_t& value) {
  const bool negative = !text.empty() && text[0] == '-';
  const std::string_view digits = text.substr(negative ? 1 : 0);
  if (digits.empty() || digits.size() > 19 ||
      (digits[0] == '0' && (digits.size() > 1 || negative))) {
    return false;
  }
  uint64_t magnitude = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + static_cast<uint64_t>(c - '0');  // 19 digits cannot wrap
  }
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  if (magnitude > limit) return false;
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

// Names of properties the writer writes as they are and every XML parser takes as names.
bool IsPlainName(std::string_view name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    const bool later = (c >= '0' && c <= '9') || c == '-' || c == '.';
    if (!letter && !(i > 0 && later)) return false;
  }
  return true;
}

// What the writer puts before the first FIELD.
std::string_view HeadBeforeFields() {
  static const std::string head = [] {
    const std::string empty = WriteTableFile(TableData());
    return empty.substr(0, empty.find("<FIELDS>") + 8);
  }();
  return head;
}

constexpr std::string_view kRowsOpen = "</METADATA><ROWDATA>";
constexpr std::string_view kRowsClose = "</ROWDATA>";
constexpr std::string_view kPacketClose = "</DATAPACKET>";

class Parser {
 public:
  Parser(Input& input, TableData& data) : in_(input), data_(data) {}

  bool Parse() {
    try {
      return ParseHead() && ParseRows() && ParseEnd();
    } catch (const Error&) {
      return false;  // the general reader meets the same fault and names it
    }
  }

 private:
  using Attributes = std::vector<Attribute>;

  // " name="value"" pairs up to the end of a start tag inside the window, which must hold its
  // closing ">"; at points past the last one.
  bool ParseAttributes(const char*& at, const char* close, Attributes& attributes) {
    while (at < close && *at == ' ') {
      const char* equals = static_cast<const char*>(std::memchr(at, '=', close - at));
      if (equals == nullptr || close - equals < 2 || equals[1] != '"') return false;
      const std::string_view name(at + 1, static_cast<size_t>(equals - at - 1));
      const char* value = equals + 2;
      const char* quote = static_cast<const char*>(std::memchr(value, '"', close - value));
      if (!IsPlainName(name) || quote == nullptr) return false;
      for (const Attribute& earlier : attributes) {
        if (earlier.name == name) return false;
      }
      Attribute& attribute = attributes.emplace_back();
      attribute.name = name;
      if (!DecodeValue(std::string_view(value, static_cast<size_t>(quote - value)),
                       attribute.value)) {
        return false;
      }
      at = quote + 1;
    }
    return true;
  }

  // An empty element "<NAME .../>" at pos.
  bool TakeEmptyElement(std::string_view opening, Attributes& attributes) {
    size_t distance = 0;
    if (!in_.Find('>', distance)) return false;
    const char* close = in_.pos + distance;
    if (std::string_view(in_.pos, distance).substr(0, opening.size()) != opening) return false;
    const char* at = in_.pos + opening.size();
    if (!ParseAttributes(at, close, attributes) || at + 1 != close || *at != '/') return false;
    in_.pos = close + 1;
    return true;
  }

  bool TakeField(std::vector<FieldDef>& fields) {
    Attributes attributes;
    if (!TakeEmptyElement("<FIELD", attributes)) return false;
    FieldDef& field = fields.emplace_back();
    bool has_fieldname = false;
    for (Attribute& attribute : attributes) {
      if (attribute.name == "attrname") {
        field.attrname = std::move(attribute.value);
      } else if (attribute.name == "fieldname") {
        field.name = std::move(attribute.value);
        has_fieldname = true;
      } else if (attribute.name == "fieldtype") {
        field.fieldtype = std::move(attribute.value);
      } else if (attribute.name == "WIDTH") {
        int64_t width = 0;
        if (!ParseCanonicalInteger(attribute.value, width) || width < 0 || width > INT_MAX) {
          return false;
        }
        field.width = static_cast<int>(width);
      } else {
        field.extra_attributes.emplace_back(std::move(attribute.name), std::move(attribute.value));
      }
    }
    if (field.attrname.empty() || field.fieldtype.empty()) return false;
    if (!has_fieldname) field.name = field.attrname;
    return true;
  }

  // The log's numbers, read as the file streams by: a long log need not fit the window.
  bool TakeChangeLog() {
    while (true) {
      if (!in_.Have(12)) {
        if (in_.Faulted()) return false;
      }
      const char* at = in_.pos;
      const char* digits = at;
      uint64_t number = 0;
      while (at < in_.end && *at >= '0' && *at <= '9' && at - digits < 11) {
        number = number * 10 + static_cast<uint64_t>(*at - '0');
        ++at;
      }
      const size_t count = static_cast<size_t>(at - digits);
      if (count == 0 || count > 10 || (count > 1 && *digits == '0') || number > UINT32_MAX ||
          at == in_.end) {
        return false;
      }
      data_.change_log.push_back(static_cast<uint32_t>(number));
      in_.pos = at + 1;
      if (*at == '"') break;
      if (*at != ' ') return false;
    }
    if (data_.change_log.size() % 3 != 0) return false;
    log_end_ = in_.Offset(in_.pos - 1);
    return true;
  }

  bool TakeParams() {
    if (!in_.Take("<PARAMS")) return false;
    while (true) {
      if (!in_.Have(1)) return false;
      if (*in_.pos != ' ') break;
      size_t distance = 0;
      if (!in_.Find('=', distance)) return false;
      const std::string name(in_.pos + 1, distance - 1);
      if (!IsPlainName(name)) return false;
      for (const Attribute& earlier : data_.params) {
        if (earlier.name == name) return false;
      }
      in_.pos += distance + 1;
      if (!in_.Take("\"")) return false;
      if (name == kChangeLogParam) {
        data_.params.push_back({name, ""});
        // The head up to here is kept for the comparison with the writer's; the log is not.
        head_ += in_.Marked();
        in_.Unmark();
        if (!TakeChangeLog()) return false;
        head_ += "0 0 0\"";
        in_.Mark();
        continue;
      }
      if (!in_.Find('"', distance)) return false;
      Attribute& param = data_.params.emplace_back();
      param.name = name;
      if (!DecodeValue(std::string_view(in_.pos, distance), param.value)) return false;
      in_.pos += distance + 1;
    }
    if (in_.Take("/>")) return true;
    if (!in_.Take(">")) return false;
    while (!in_.Take("</PARAMS>")) {
      if (!TakeEmptyElement("<PARAM", data_.param_elements.emplace_back())) return false;
    }
    return true;
  }

  // The writer's head for the data read must be the bytes read, the log aside.
  bool HeadIsTheWritersOwn() {
    head_ += in_.Marked();
    in_.Unmark();
    TableData head_only;
    head_only.fields = data_.fields;
    head_only.params = data_.params;
    head_only.param_elements = data_.param_elements;
    if (!data_.change_log.empty()) head_only.change_log = {0, 0, 0};
    const std::string written = WriteTableFile(head_only);
    constexpr std::string_view kEmptyRows = "</ROWDATA></DATAPACKET>";
    return written.size() == head_.size() + kEmptyRows.size() &&
           std::string_view(written).substr(0, head_.size()) == head_ &&
           std::string_view(written).substr(head_.size()) == kEmptyRows;
  }

  bool ParseHead() {
    in_.Mark();
    if (!in_.Take(HeadBeforeFields())) return false;
    std::vector<FieldDef> fields;
    while (!in_.Take("</FIELDS>")) {
      if (!TakeField(fields)) return false;
    }
    data_.SetFields(std::move(fields));
    for (const FieldDef& field : data_.fields) {
      std::string attrname = AttrNameOf(field);
      // A row names its values by these: each must be a name to any parser, and none the state.
      if (!IsPlainName(attrname) || attrname == "RowState") return false;
      openings_.push_back(" " + attrname + "=\"");
    }
    if (!TakeParams() || !in_.Take(kRowsOpen) || !HeadIsTheWritersOwn()) return false;
    rows_begin_ = in_.Offset(in_.pos);
    return true;
  }

  // Room for the rows still to come, judged by the bytes the rows so far took.
  void ReserveRows() {
    const size_t rows = data_.RecordCount();
    const uint64_t read = in_.Offset(in_.pos) - rows_begin_;
    const uint64_t left =
        in_.SizeHint() > in_.Offset(in_.pos) ? in_.SizeHint() - in_.Offset(in_.pos) : 0;
    const uint64_t per_row = std::max<uint64_t>(read / rows, 1);
    size_t wanted = rows + static_cast<size_t>(left / per_row + left / per_row / 32) + 64;
    wanted = std::max(wanted, rows + rows / 8 + 64);
    data_.ReserveRecords(wanted);
    data_.layout.row_begins.reserve(wanted);
  }

  bool StoreValue(size_t field, std::string_view raw) {
    Column& column = data_.columns[field];
    switch (data_.types[field].kind) {
      case FieldKind::kInteger: {
        int64_t number = 0;
        if (!ParseCanonicalInteger(raw, number)) return false;
        column.SetLastNumber(number);
        return true;
      }
      case FieldKind::kDate: {
        int32_t day = 0;
        if (!ParseFileDate(raw, day)) return false;  // eight digits: the writer's only form
        column.SetLastNumber(day);
        return true;
      }
      case FieldKind::kBoolean:
        if (raw != "TRUE" && raw != "FALSE") return false;
        column.SetLastNumber(raw[0] == 'T' ? 1 : 0);
        return true;
      case FieldKind::kString:
      case FieldKind::kReadOnly:
        if (!DecodeValue(raw, text_)) return false;
        column.SetLastText(text_);
        return true;
    }
    return false;
  }

  // "<ROW" up to the ">" at close: the state unless unchanged, then the values in field order.
  bool ParseRow(const char* at, const char* close) {
    for (Column& column : data_.columns) column.PushNull();
    uint8_t state = kUnchanged;
    constexpr std::string_view kState = " RowState=\"";
    if (close - at > 13 && std::string_view(at, kState.size()) == kState) {
      const char digit = at[kState.size()];
      if ((digit != '1' && digit != '2' && digit != '4' && digit != '8') ||
          at[kState.size() + 1] != '"') {
        return false;
      }
      state = static_cast<uint8_t>(digit - '0');
      at += kState.size() + 2;
    }
    // Without a log the writer leaves hidden records out.
    if (data_.change_log.empty() && !IsVisibleState(state)) return false;
    data_.states.push_back(state);
    size_t field = 0;
    const size_t fields = openings_.size();
    while (*at == ' ') {
      const size_t room = static_cast<size_t>(close - at);
      while (field < fields &&
             (openings_[field].size() >= room ||
              std::memcmp(at, openings_[field].data(), openings_[field].size()) != 0)) {
        ++field;
      }
      if (field == fields) return false;
      const char* value = at + openings_[field].size();
      const char* quote = static_cast<const char*>(std::memchr(value, '"', close - value));
      if (quote == nullptr ||
          !StoreValue(field, std::string_view(value, static_cast<size_t>(quote - value)))) {
        return false;
      }
      at = quote + 1;
      ++field;
    }
    return at + 1 == close && *at == '/';
  }

  bool ParseRows() {
    while (true) {
      size_t distance = 0;
      if (!in_.Find('>', distance)) return false;
      const char* close = in_.pos + distance;
      const uint64_t offset = in_.Offset(in_.pos);
      if (distance >= 4 && std::memcmp(in_.pos, "<ROW", 4) == 0) {
        if (offset > UINT32_MAX) return false;
        if (data_.states.size() == data_.states.capacity() && data_.RecordCount() >= 64) {
          ReserveRows();
        }
        data_.layout.row_begins.push_back(static_cast<uint32_t>(offset));
        if (!ParseRow(in_.pos + 4, close)) return false;
        in_.pos = close + 1;
        continue;
      }
      if (!in_.Take(kRowsClose)) return false;
      if (offset > UINT32_MAX || log_end_ > UINT32_MAX) return false;
      data_.layout.rows_end = static_cast<uint32_t>(offset);
      data_.layout.log_end = static_cast<uint32_t>(log_end_);
      return true;
    }
  }

  bool ParseEnd() {
    if (!in_.Take(kPacketClose) || in_.pos != in_.end || in_.More()) return false;
    data_.layout.known = true;
    return true;
  }

  Input& in_;
  TableData& data_;
  std::string head_;                   // the head as read, with "0 0 0" for the log's numbers
  std::vector<std::string> openings_;  // ` attrname="` of each field
  std::string text_;
  uint64_t rows_begin_ = 0;
  uint64_t log_end_ = 0;
};

OwnLayoutResult Run(Input& input, TableData& data) {
  data = TableData();
  const bool read = Parser(input, data).Parse();
  if (input.Faulted()) return OwnLayoutResult::kReadFault;
  if (read) return OwnLayoutResult::kRead;
  data = TableData();
  return OwnLayoutResult::kDeclined;
}

}  // namespace

OwnLayoutResult ReadOwnLayout(std::string_view bytes, TableData& data) {
  Input input(bytes);
  return Run(input, data);
}

OwnLayoutResult ReadOwnLayout(FileChunks& chunks, TableData& data, ReadFailure& failure,
                              size_t chunk_bytes) {
  Input input(chunks, failure, std::max<size_t>(chunk_bytes, 1));
  return Run(input, data);
}

}  // namespace kvadrix::tables
