#pragma once
// The puzzle library as a table: its fields, its records and the file the game reads.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "solver/exact_solver.h"
#include "tables/table_store.h"

namespace kvadrix::puzzlegen {

struct LevelQuota {
  char code;
  int count;
};

// In ID order: the five numbered levels, then "Többi".
inline constexpr std::array<LevelQuota, 6> kLibraryQuotas{
    {{'E', 300}, {'A', 300}, {'H', 300}, {'M', 200}, {'I', 100}, {'T', 50}}};

// The seed of the shipped library.
inline constexpr uint64_t kLibrarySeed = 20061207;

// "Többi" lies beyond the numbered levels: its IDs count on from here.
inline constexpr int kFirstOtherId = 60001;

struct LibraryRecord {
  int id = 0;
  char level = 0;  // Nehezseg
  int number = 0;  // Sorszam
  std::string mezok;
};

// The givens row by row as row, column, digit triples.
std::string MezokText(const solver::Grid81& givens);

// The grid of a givens text as MezokText writes it (any group order). Throws kvadrix::Error
// for a text the game would refuse.
solver::Grid81 GivensOf(std::string_view mezok);

// Numbers one level's puzzles 1..n in the order given and gives each its ID.
std::vector<LibraryRecord> NumberLevel(char code, const std::vector<solver::Grid81>& puzzles);

// Writes the records, in the order given, as an unchanged table: no change log, no RowState.
void WriteLibrary(const std::filesystem::path& file, const std::vector<LibraryRecord>& records);

// A library file's records in file order, read with the game's reader.
std::vector<LibraryRecord> ReadLibrary(const std::filesystem::path& file);

// Sorts a level's puzzles by difficulty score, easiest first; ties go to the puzzle with more
// givens, then to the lower givens text, so the order depends on the puzzles alone.
void OrderByDifficulty(std::vector<solver::Grid81>& puzzles);

// Level `index` of kLibraryQuotas from its own stream of `seed`: its puzzles, easiest first,
// numbered. Puzzles in `taken` are not made again; the new ones are added to it.
std::vector<LibraryRecord> MakeLibraryLevel(size_t index, uint64_t seed,
                                            std::set<solver::Grid81>& taken);

using LevelTimer = std::function<void(char code, int count, double seconds)>;

// Makes every level of kLibraryQuotas from one seed (each level from its own stream) and
// returns the records in ID order; `on_level` hears how long each level took.
std::vector<LibraryRecord> MakeLibrary(uint64_t seed, const LevelTimer& on_level);

}  // namespace kvadrix::puzzlegen
