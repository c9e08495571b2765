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
  throw Error(what + " olyan karaktert tartalmaz, amelyet a táblafájl nem tud tárolni: \"" +
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

void AppendParams(std::string& out, const TableData& data) {
  out += "<PARAMS";
  // The log keeps the place it had in a loaded file; a new log comes first.
  bool log_has_place = false;
  for (const Attribute& param : data.params) log_has_place |= param.name == kChangeLogParam;
  const bool has_log = !data.change_log.empty();
  if (has_log && !log_has_place) {
    AppendAttribute(out, kChangeLogParam, ChangeLogText(data.change_log));
  }
  for (const Attribute& param : data.params) {
    if (param.name != kChangeLogParam) {
      AppendAttribute(out, param.name, param.value);
    } else if (has_log) {
      AppendAttribute(out, kChangeLogParam, ChangeLogText(data.change_log));
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

void AppendRows(std::string& out, const TableData& data) {
  // Each value starts with ` attrname="`, encoded once for all rows.
  std::vector<std::string> openings;
  for (const FieldDef& field : data.fields) {
    std::string opening = " ";
    if (!AppendEscapedCp1250(opening, AttrNameOf(field))) {
      ThrowUnstorable("a(z) \"" + field.name + "\" mező neve", AttrNameOf(field));
    }
    opening += "=\"";
    openings.push_back(std::move(opening));
  }
  // With an empty log the file holds the visible records only; otherwise every version.
  const bool all_records = !data.change_log.empty();
  for (uint32_t record = 0; record < data.RecordCount(); ++record) {
    const int32_t state = data.states[record];
    if (!all_records && !IsVisibleState(state)) continue;
    out += "<ROW";
    if (state != kUnchanged) {
      out += " RowState=\"";
      AppendInteger(out, state);
      out += '"';
    }
    for (size_t field = 0; field < data.fields.size(); ++field) {
      if (data.columns[field].IsNull(record)) continue;
      out += openings[field];
      AppendValue(out, data, record, field);
      out += '"';
    }
    out += "/>";
  }
}

}  // namespace

std::string WriteTableFile(const TableData& data) {
  std::string out;
  out.reserve(256 + data.RecordCount() * (16 + data.fields.size() * 16) +
              data.change_log.size() * 7);
  out += kHead;
  for (const FieldDef& field : data.fields) AppendField(out, field);
  out += "</FIELDS>";
  AppendParams(out, data);
  out += "</METADATA><ROWDATA>";
  AppendRows(out, data);
  out += "</ROWDATA></DATAPACKET>";
  return out;
}

}  // namespace kvadrix::tables
