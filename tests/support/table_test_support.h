#pragma once
// Shared pieces of the table tests: the field lists of the program's tables, a result file
// written by hand, and reading a column of the view.
#include <filesystem>
#include <string>
#include <vector>

#include "common/day_count.h"
#include "support/temp_folder.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {

using kvadrix::testing::PermissionsBind;
using kvadrix::testing::ReadBytes;
using kvadrix::testing::TempFolder;
using kvadrix::testing::WriteBytes;

inline std::vector<FieldDef> ResultFields() {
  return {IntegerField("nevkod"), IntegerField("jatekkod"), DateField("datum"),
          IntegerField("ido")};
}

inline std::vector<FieldDef> PlayerFields() {
  return {IntegerField("kod"), StringField("nev", 15), StringField("jelszo", 10),
          IntegerField("szin"), IntegerField("szint")};
}

inline std::vector<FieldDef> LastGameFields() {
  return {IntegerField("nevkod"), IntegerField("jatekkod"), BooleanField("teljes"),
          IntegerField("felbe"), StringField("mezok", 20)};
}

inline constexpr char kDeclaration[] = "<?xml version=\"1.0\" standalone=\"yes\"?>  ";

inline const std::string kResultFieldsXml =
    "<FIELD attrname=\"nevkod\" fieldtype=\"i4\"/><FIELD attrname=\"jatekkod\" "
    "fieldtype=\"i4\"/><FIELD attrname=\"datum\" fieldtype=\"date\"/><FIELD attrname=\"ido\" "
    "fieldtype=\"i4\"/>";

// A whole result file around the given PARAMS element and rows.
inline std::string ResultFile(const std::string& params, const std::string& rows) {
  return std::string(kDeclaration) + "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>" +
         kResultFieldsXml + "</FIELDS>" + params + "</METADATA><ROWDATA>" + rows +
         "</ROWDATA></DATAPACKET>";
}

inline void AppendResult(TableStore& table, int player, int puzzle, int ticks) {
  table.Append();
  table.FieldByName("NEVKOD").SetAsInteger(player);
  table.FieldByName("JATEKKOD").SetAsInteger(puzzle);
  table.FieldByName("DATUM").SetAsDateTime(DaysFromCivil({2006, 12, 7}) + 0.5);
  table.FieldByName("IDO").SetAsInteger(ticks);
  table.Post();
}

// The values of one field over the view, from the cursor's first record on.
inline std::vector<std::string> ViewColumn(TableStore& table, const std::string& field) {
  std::vector<std::string> values;
  for (table.First(); !table.Eof(); table.Next()) {
    values.push_back(table.FieldByName(field).AsString());
  }
  return values;
}

}  // namespace kvadrix::tables::testing
