#include "players/player_tables.h"

#include <string>
#include <vector>

namespace kvadrix::players {

using tables::BooleanField;
using tables::DateField;
using tables::IntegerField;
using tables::StringField;
using tables::TableStore;

TableStore MakePlayerTable() {
  TableStore store({IntegerField("kod"), StringField("nev", 15), StringField("jelszo", 10),
                    IntegerField("szin"), IntegerField("szint")});
  store.SetOwnerOnlyFile(true);
  return store;
}

TableStore MakeResultTable() {
  return TableStore(
      {IntegerField("nevkod"), IntegerField("jatekkod"), DateField("datum"), IntegerField("ido")});
}

TableStore MakeLastGameTable() {
  return TableStore({IntegerField("nevkod"), IntegerField("jatekkod"), BooleanField("teljes"),
                     IntegerField("felbe"), StringField("mezok", 20)});
}

TableStore MakeSummaryTable() {
  std::vector<tables::FieldDef> fields = {StringField("Nehezseg", 10), IntegerField("Sorszam")};
  for (int k = 1; k <= kSummaryPlayerColumns; ++k) {
    fields.push_back(StringField("nev" + std::to_string(k), 10));
  }
  return TableStore(std::move(fields));
}

void LoadOrCreate(TableStore& store, const std::filesystem::path& file) {
  if (std::filesystem::exists(file)) {
    store.LoadFromFile(file);
  } else {
    store.CreateDataSet();
  }
}

std::string KeyFilter(std::string_view field, int64_t key) {
  return std::string(field) + "=" + std::to_string(key);
}

bool FilterToExactName(TableStore& players, std::string_view lookup, std::string_view name) {
  players.SetFilter(std::string(lookup) + tables::QuoteFilterString(name));
  players.SetFiltered(true);
  const tables::FieldRef nev = players.FieldByName("NEV");
  for (; !players.Eof(); players.Next()) {
    if (nev.AsString() == name) return true;
  }
  return false;
}

}  // namespace kvadrix::players
