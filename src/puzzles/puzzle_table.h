#pragma once
// The PuzzleTable ("sudoku.xml"): its fields, and the record a game starts from. The fields
// come from the file, which names them in this spelling.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tables/table_store.h"

namespace kvadrix::puzzles {

inline constexpr std::string_view kPuzzleFile = "sudoku.xml";
inline constexpr std::string_view kMissingPuzzleFile =
    "Hiányzik a sudoku.xml file, ezért nem léphet be a programba!";

inline constexpr std::string_view kId = "ID";
inline constexpr std::string_view kNehezseg = "Nehezseg";  // LevelCode
inline constexpr std::string_view kSorszam = "Sorszam";    // game number within the level
inline constexpr std::string_view kMezok = "Mezok";        // givens, see board/givens.h

// The fields as the shipped library declares them, for the tools that write libraries.
std::vector<tables::FieldDef> PuzzleFields();

struct PuzzleRecord {
  int32_t id = 0;
  std::string givens;
};

// LoadFromFile with the four fields the program reads required: a library without them (or
// with an ID that is no number) fails to load with the file's name in its error.
void LoadPuzzleTable(tables::TableStore& puzzles, const std::filesystem::path& file);

// The record under the table's cursor.
PuzzleRecord CurrentPuzzle(tables::TableStore& puzzles);

// The whole library in view again, in ID order: filtering off and the filter text empty, as
// after every game start.
void ShowWholeLibrary(tables::TableStore& puzzles);

}  // namespace kvadrix::puzzles
