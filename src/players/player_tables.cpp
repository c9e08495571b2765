#include "players/player_tables.h"

#include <string>
#include <vector>

#include "tables/file_io.h"

namespace kvadrix::players {

using tables::BooleanField;
using tables::DateField;
using tables::IntegerField;
using tables::StringField;
using tables::TableStore;

std::string SummaryPlayerField(int column) { return std::string(kNev) + std::to_string(column); }

TableStore MakePlayerTable() {
  TableStore store({IntegerField(kKod), StringField(kNev, 15), StringField(kJelszo, 10),
                    IntegerField(kSzin), IntegerField(kSzint)});
  store.SetOwnerOnlyFile(true);
  return store;
}

TableStore MakeResultTable() {
  return TableStore(
      {IntegerField(kNevkod), IntegerField(kJatekkod), DateField(kDatum), IntegerField(kIdo)});
}

TableStore MakeLastGameTable() {
  return TableStore({IntegerField(kNevkod), IntegerField(kJatekkod), BooleanField(kTeljes),
                     IntegerField(kFelbe), StringField(kMezok, 20)});
}

TableStore MakeSummaryTable() {
  std::vector<tables::FieldDef> fields = {StringField(kSummaryLevel, 10),
                                          IntegerField(kSummaryNumber)};
  for (int k = 1; k <= kSummaryPlayerColumns; ++k) {
    fields.push_back(StringField(SummaryPlayerField(k), 10));
  }
  return TableStore(std::move(fields));
}

void LoadOrCreate(TableStore& store, const std::filesystem::path& file) {
  if (tables::EntryExists(file)) {
    store.LoadFromFile(file);
  } else {
    store.CreateDataSet();
  }
}

std::string KeyFilter(std::string_view field, int64_t key) {
  return std::string(field) + "=" + std::to_string(key);
}

}  // namespace kvadrix::players
