#pragma once
// Shared pieces of the table tests: a temporary folder, whole-file access and the field lists
// of the program's tables.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/day_count.h"
#include "tables/table_store.h"

namespace kvadrix::tables::testing {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvadrix-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

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
