#include "puzzles/puzzle_table.h"

namespace kvadrix::puzzles {

std::vector<tables::FieldDef> PuzzleFields() {
  return {tables::IntegerField(kId), tables::StringField(kNehezseg, 1),
          tables::IntegerField(kSorszam), tables::StringField(kMezok, 243)};
}

void LoadPuzzleTable(tables::TableStore& puzzles, const std::filesystem::path& file) {
  puzzles.SetRequiredFields(PuzzleFields());
  puzzles.LoadFromFile(file);
}

PuzzleRecord CurrentPuzzle(tables::TableStore& puzzles) {
  return PuzzleRecord{puzzles.FieldByName(kId).AsInteger(), puzzles.FieldByName(kMezok).AsString()};
}

void ShowWholeLibrary(tables::TableStore& puzzles) {
  puzzles.SetFilter("");
  puzzles.SetFiltered(false);
}

}  // namespace kvadrix::puzzles
