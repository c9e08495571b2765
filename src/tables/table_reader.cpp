#include "tables/table_reader.h"

#include <expat.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "common/error.h"
#include "tables/input_encoding.h"
#include "tables/own_layout_reader.h"
#include "tables/value_text.h"

namespace kvadrix::tables {
namespace {

enum class Element { kPacket, kMetadata, kFields, kField, kParams, kParam, kRowData, kRow };

constexpr int kRowStateSlot = -2;

// The parser's own faults in the user's words; rare ones keep the parser's text.
std::string XmlErrorText(XML_Error code) {
  switch (code) {
    case XML_ERROR_NO_ELEMENTS:
    case XML_ERROR_UNCLOSED_TOKEN:
    case XML_ERROR_PARTIAL_CHAR:
    case XML_ERROR_UNCLOSED_CDATA_SECTION:
      return "a fájl idő előtt véget ér (csonka)";
    case XML_ERROR_INVALID_TOKEN:
      return "érvénytelen karakter vagy jel";
    case XML_ERROR_SYNTAX:
      return "szintaktikai hiba";
    case XML_ERROR_TAG_MISMATCH:
      return "a záró elem nem a nyitott elemet zárja";
    case XML_ERROR_DUPLICATE_ATTRIBUTE:
      return "egy tulajdonság kétszer szerepel";
    case XML_ERROR_JUNK_AFTER_DOC_ELEMENT:
      return "a fő elem után még szöveg áll";
    case XML_ERROR_UNDEFINED_ENTITY:
      return "ismeretlen entitás";
    case XML_ERROR_BAD_CHAR_REF:
      return "hibás karakterhivatkozás";
    case XML_ERROR_MISPLACED_XML_PI:
    case XML_ERROR_XML_DECL:
      return "hibás XML-deklaráció";
    case XML_ERROR_UNKNOWN_ENCODING:
      return "ismeretlen kódolás";
    case XML_ERROR_INCORRECT_ENCODING:
      return "a kódolás nem egyezik a megadottal";
    case XML_ERROR_NO_MEMORY:
      return "nincs elég memória";
    default:
      return XML_ErrorString(code);
  }
}

class Reader {
 public:
  // release_file, when given, is called once the file's bytes are no longer needed.
  TableData Read(std::string_view file, const std::function<void()>& release_file = {});

 private:
  // No exception may cross expat's C frames: a failure inside a handler stops the parser.
  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** atts) {
    Reader& reader = *static_cast<Reader*>(self);
    try {
      reader.Start(name, atts);
    } catch (const std::exception& error) {
      reader.Fail(error.what());
    }
  }
  static void XMLCALL OnEnd(void* self, const XML_Char* /*name*/) {
    Reader& reader = *static_cast<Reader*>(self);
    try {
      reader.End();
    } catch (const std::exception& error) {
      reader.Fail(error.what());
    }
  }
  static void XMLCALL OnDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*,
                                int) {
    static_cast<Reader*>(self)->Fail("DOCTYPE nem szerepelhet a fájlban");
  }

  void Start(const char* name, const char** atts);
  void End();
  void Fail(std::string message);
  bool Expect(std::string_view name, bool allowed);
  void StartField(const char** atts);
  void StartParams(const char** atts);
  void StartRow(const char** atts);
  void FinishFields();
  int SlotField(size_t slot, const char* name);
  void StoreValue(int field, const char* value);

  XML_Parser parser_ = nullptr;
  std::string error_;
  XML_Size error_line_ = 0;  // where the element or declaration that failed begins
  XML_Size error_column_ = 0;
  std::vector<Element> open_;
  TableData data_;
  std::vector<FieldDef> read_fields_;
  bool metadata_seen_ = false;
  bool fields_seen_ = false;
  bool params_seen_ = false;
  bool fields_done_ = false;
  bool rowdata_seen_ = false;
  std::vector<std::string> attrnames_;
  std::vector<int> slot_cache_;  // the field of each attribute position of the previous row
  size_t expected_rows_ = 0;
};

void Reader::Fail(std::string message) {
  if (!error_.empty()) return;
  error_ = message.empty() ? "ismeretlen hiba" : std::move(message);
  // Inside a handler the parser stands at the start of its element; once stopped, past it.
  error_line_ = XML_GetCurrentLineNumber(parser_);
  error_column_ = XML_GetCurrentColumnNumber(parser_);
  XML_StopParser(parser_, XML_FALSE);
}

bool Reader::Expect(std::string_view name, bool allowed) {
  if (!allowed) Fail(std::string("a(z) ") + std::string(name) + " elem nem állhat ezen a helyen");
  return allowed;
}

void Reader::Start(const char* name, const char** atts) {
  if (!error_.empty()) return;
  const bool at_top = open_.empty();
  const Element parent = at_top ? Element::kPacket : open_.back();  // checked with at_top
  const std::string_view element = name;
  if (std::strcmp(name, "ROW") == 0) {
    if (!Expect(element, !at_top && parent == Element::kRowData)) return;
    open_.push_back(Element::kRow);
    StartRow(atts);
  } else if (element == "FIELD") {
    if (!Expect(element, !at_top && parent == Element::kFields)) return;
    open_.push_back(Element::kField);
    StartField(atts);
  } else if (element == "PARAM") {
    if (!Expect(element, !at_top && parent == Element::kParams)) return;
    open_.push_back(Element::kParam);
    std::vector<Attribute>& param = data_.param_elements.emplace_back();
    for (int i = 0; atts[i]; i += 2) param.push_back({atts[i], atts[i + 1]});
  } else if (element == "DATAPACKET") {
    if (!Expect(element, at_top)) return;
    open_.push_back(Element::kPacket);
  } else if (element == "METADATA") {
    if (!Expect(element,
                !at_top && parent == Element::kPacket && !metadata_seen_ && !rowdata_seen_)) {
      return;
    }
    metadata_seen_ = true;
    open_.push_back(Element::kMetadata);
  } else if (element == "FIELDS") {
    if (!Expect(element, !at_top && parent == Element::kMetadata && !fields_seen_)) {
      return;
    }
    fields_seen_ = true;
    open_.push_back(Element::kFields);
  } else if (element == "PARAMS") {
    if (!Expect(element, !at_top && parent == Element::kMetadata && !params_seen_)) {
      return;
    }
    params_seen_ = true;
    open_.push_back(Element::kParams);
    StartParams(atts);
  } else if (element == "ROWDATA") {
    if (!Expect(element, !at_top && parent == Element::kPacket && fields_done_ && !rowdata_seen_)) {
      return;
    }
    rowdata_seen_ = true;
    open_.push_back(Element::kRowData);
  } else {
    Fail(std::string("ismeretlen elem: ") + Quoted(element));
  }
}

void Reader::End() {
  if (!error_.empty()) return;
  const Element closed = open_.back();
  open_.pop_back();
  if (closed == Element::kFields) FinishFields();
  if (closed == Element::kMetadata && !fields_done_) Fail("hiányzik a FIELDS elem");
}

void Reader::StartField(const char** atts) {
  FieldDef field;
  bool has_fieldname = false;
  for (int i = 0; atts[i]; i += 2) {
    const std::string_view name = atts[i];
    const char* value = atts[i + 1];
    if (name == "attrname") {
      field.attrname = value;
    } else if (name == "fieldname") {
      field.name = value;
      has_fieldname = true;
    } else if (name == "fieldtype") {
      field.fieldtype = value;
    } else if (name == "WIDTH") {
      int64_t width;
      if (!ParseInteger(value, width) || width < 0 || width > INT_MAX) {
        return Fail(std::string("hibás WIDTH érték: ") + Quoted(value));
      }
      field.width = static_cast<int>(width);
    } else {
      field.extra_attributes.emplace_back(name, value);
    }
  }
  if (field.attrname.empty()) return Fail("egy FIELD elemnek nincs attrname tulajdonsága");
  if (field.fieldtype.empty()) {
    return Fail(std::string("a(z) ") + Quoted(field.attrname) +
                " mezőnek nincs fieldtype tulajdonsága");
  }
  if (!has_fieldname) field.name = field.attrname;
  read_fields_.push_back(std::move(field));
}

void Reader::FinishFields() {
  try {
    data_.SetFields(std::move(read_fields_));
  } catch (const Error& error) {
    return Fail(error.what());
  }
  for (const FieldDef& field : data_.fields) attrnames_.push_back(AttrNameOf(field));
  fields_done_ = true;
  data_.ReserveRecords(expected_rows_);
}

void Reader::StartParams(const char** atts) {
  for (int i = 0; atts[i]; i += 2) {
    const std::string_view name = atts[i];
    if (name != kChangeLogParam) {
      data_.params.push_back({atts[i], atts[i + 1]});
      continue;
    }
    data_.params.push_back({atts[i], ""});
    const std::string_view text = atts[i + 1];
    size_t pos = 0;
    while (true) {
      while (pos < text.size() && text[pos] == ' ') ++pos;
      if (pos == text.size()) break;
      size_t end = text.find(' ', pos);
      if (end == std::string_view::npos) end = text.size();
      int64_t number;
      if (!ParseInteger(text.substr(pos, end - pos), number) || number < 0 || number > UINT32_MAX) {
        return Fail("hibás szám a CHANGE_LOG tulajdonságban: " +
                    Quoted(text.substr(pos, end - pos)));
      }
      data_.change_log.push_back(static_cast<uint32_t>(number));
      pos = end;
    }
    if (data_.change_log.size() % 3 != 0) {
      return Fail("a CHANGE_LOG számainak száma nem osztható hárommal");
    }
  }
}

int Reader::SlotField(size_t slot, const char* name) {
  // Rows name their values in the same order as a rule, so the previous row's guess is checked
  // first and the fields are searched only when it misses.
  if (slot < slot_cache_.size()) {
    const int guess = slot_cache_[slot];
    if (guess >= 0 && std::strcmp(attrnames_[guess].c_str(), name) == 0) return guess;
    if (guess == kRowStateSlot && std::strcmp(name, "RowState") == 0) return guess;
  } else {
    slot_cache_.resize(slot + 1, -1);
  }
  int field = -1;
  if (std::strcmp(name, "RowState") == 0) {
    field = kRowStateSlot;
  } else {
    for (size_t i = 0; i < attrnames_.size(); ++i) {
      if (attrnames_[i] == name) field = static_cast<int>(i);
    }
  }
  if (field != -1) slot_cache_[slot] = field;
  return field;
}

void Reader::StartRow(const char** atts) {
  for (Column& column : data_.columns) column.PushNull();
  data_.states.push_back(kUnchanged);
  for (size_t i = 0, slot = 0; atts[i]; i += 2, ++slot) {
    const int field = SlotField(slot, atts[i]);
    if (field == kRowStateSlot) {
      int64_t state;
      if (!ParseInteger(atts[i + 1], state) || state < 0 || state > INT32_MAX) {
        return Fail(std::string("hibás RowState érték: ") + Quoted(atts[i + 1]));
      }
      // A state the store does not know could be neither shown nor changed correctly.
      if (!IsKnownState(static_cast<int32_t>(state))) {
        return Fail(std::string("ismeretlen RowState érték: ") + Quoted(atts[i + 1]));
      }
      data_.states.back() = static_cast<uint8_t>(state);
    } else if (field < 0) {
      return Fail(std::string("a ROW elemben ismeretlen mező szerepel: ") + Quoted(atts[i]));
    } else {
      StoreValue(field, atts[i + 1]);
    }
  }
}

void Reader::StoreValue(int field, const char* value) {
  Column& column = data_.columns[field];
  bool ok = true;
  switch (data_.types[field].kind) {
    case FieldKind::kInteger: {
      int64_t number;
      ok = ParseTerminatedInteger(value, number);
      if (ok) column.SetLastNumber(number);
      break;
    }
    case FieldKind::kDate: {
      int32_t day;
      ok = ParseFileDate(value, day);
      if (ok) column.SetLastNumber(day);
      break;
    }
    case FieldKind::kBoolean: {
      bool flag;
      ok = ParseBoolean(value, flag);
      if (ok) column.SetLastNumber(flag ? 1 : 0);
      break;
    }
    case FieldKind::kString:
    case FieldKind::kReadOnly:
      column.SetLastText(value);
      break;
  }
  if (!ok) {
    Fail(std::string("a(z) ") + Quoted(data_.fields[field].name) +
         std::string(" mező értéke hibás: ") + Quoted(value));
  }
}

TableData Reader::Read(std::string_view file, const std::function<void()>& release_file) {
  const ExpatInput input = PrepareExpatInput(file);
  if (input.bytes.size() > INT_MAX) throw Error("a fájl túl nagy");
  const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
      XML_ParserCreate(input.encoding), &XML_ParserFree);
  if (!parser) throw Error("nincs elég memória");
  parser_ = parser.get();
  // Room for every row at once spares the columns their growth copies.
  for (size_t at = input.bytes.find("<ROW"); at != std::string_view::npos;
       at = input.bytes.find("<ROW", at + 4)) {
    ++expected_rows_;
  }
  XML_SetUserData(parser_, this);
  XML_SetElementHandler(parser_, &Reader::OnStart, &Reader::OnEnd);
  XML_SetStartDoctypeDeclHandler(parser_, &Reader::OnDoctype);
  // The file goes into the parser's own buffer (converted on the way when it is code page 1250),
  // so the caller's copy can go before the parse: one buffer parsed in one call, as XML_Parse
  // does it, so every message and position stays the same.
  XML_Status status = XML_STATUS_ERROR;
  if (input.bytes.empty()) {
    status = XML_Parse(parser_, "", 0, XML_TRUE);
  } else {
    const size_t size = input.from_cp1250 ? Cp1250AsUtf8Size(input.bytes) : input.bytes.size();
    if (size > INT_MAX) throw Error("a fájl túl nagy");
    if (void* buffer = XML_GetBuffer(parser_, static_cast<int>(size))) {
      if (input.from_cp1250) {
        WriteCp1250AsUtf8(input.bytes, static_cast<char*>(buffer));
      } else {
        std::memcpy(buffer, input.bytes.data(), size);
      }
      if (release_file) release_file();
      status = XML_ParseBuffer(parser_, static_cast<int>(size), XML_TRUE);
    }
  }
  const auto where = [](XML_Size line, XML_Size column) {
    return std::string(" (") + std::to_string(line) + std::string(". sor, ") +
           std::to_string(column + 1) + ". oszlop)";
  };
  if (!error_.empty()) throw Error(error_ + where(error_line_, error_column_));
  if (status != XML_STATUS_OK) {
    throw Error(std::string("hibás XML: ") + XmlErrorText(XML_GetErrorCode(parser_)) +
                where(XML_GetCurrentLineNumber(parser_), XML_GetCurrentColumnNumber(parser_)));
  }
  if (!metadata_seen_) throw Error("hiányzik a METADATA elem");
  return std::move(data_);
}

}  // namespace

TableData ReadTableFileWithParser(std::string_view file) { return Reader().Read(file); }

TableData ReadTableFile(std::string_view file) {
  TableData data;
  if (ReadOwnLayout(file, data) == OwnLayoutResult::kRead) return data;
  return Reader().Read(file);
}

bool LoadTableFile(const std::filesystem::path& file, TableData& data, FileIdentity& identity,
                   ReadFailure& failure) {
  {
    FileChunks chunks;
    if (!chunks.Open(file, failure)) {
      identity = chunks.Identity();
      return false;
    }
    identity = chunks.Identity();
    switch (ReadOwnLayout(chunks, data, failure)) {
      case OwnLayoutResult::kRead:
        return true;
      case OwnLayoutResult::kReadFault:
        return false;
      case OwnLayoutResult::kDeclined:
        break;
    }
  }
  // Files of another hand are small: the parser may have them whole.
  FileBytes bytes;
  const bool read = ReadWholeFile(file, bytes, failure);
  identity = bytes.identity;
  if (!read) return false;
  data = Reader().Read(bytes.View(), [&] { bytes = FileBytes(); });
  return true;
}

}  // namespace kvadrix::tables
