#pragma once
// Test support: small puzzle library files, written with the fields the shipped one has and
// read back as the program reads the library (fields from the file, ordered by ID).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "puzzles/puzzle_table.h"
#include "tables/table_store.h"

namespace kvadrix::testing {

struct PuzzleRecord {
  int32_t id;
  std::string nehezseg;
  int32_t sorszam;
};

// The IDs of games 1..count of a numbered level: its digit followed by the number in four.
inline void AddLevel(std::vector<PuzzleRecord>& records, char code, int digit, int count) {
  for (int number = 1; number <= count; ++number) {
    records.push_back({digit * 10000 + number, std::string(1, code), number});
  }
}

// Rows go in the order given, so the ID order of the view is the table's doing.
inline tables::TableStore PuzzleTable(const std::filesystem::path& file,
                                      const std::vector<PuzzleRecord>& records) {
  tables::TableStore writer(puzzles::PuzzleFields());
  writer.CreateDataSet();
  for (const PuzzleRecord& record : records) {
    writer.Append();
    writer.FieldByName("ID").SetAsInteger(record.id);
    writer.FieldByName("Nehezseg").SetAsString(record.nehezseg);
    writer.FieldByName("Sorszam").SetAsInteger(record.sorszam);
    writer.FieldByName("Mezok").SetAsString("115239");
    writer.Post();
  }
  writer.SaveToFile(file);
  tables::TableStore puzzles;
  puzzles.SetIndexFieldNames("ID");
  puzzles.LoadFromFile(file);
  return puzzles;
}

}  // namespace kvadrix::testing
