#pragma once
// Every ID the library has shipped with, and a hash of its givens. Results and last games name
// puzzles by ID, so an ID once shipped keeps its grid for good: a new puzzle gets a new ID.
// The file ships beside the library; a line is the ID and the hash in 16 hex digits, separated
// by a tab; lines starting with '#' are comments.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "puzzles/puzzle_table.h"

namespace kvadrix::puzzles {

inline constexpr std::string_view kIdHistoryFile = "sudoku-ids.tsv";

// FNV-1a, 64 bits: the history's hash of a givens text (Mezok) as stored.
uint64_t Fnv1a64(std::string_view bytes);

using IdHistory = std::map<int32_t, uint64_t>;

// Throws kvadrix::Error naming the file and the line for a line that is no ID and hash, or an
// ID recorded twice.
IdHistory ReadIdHistory(const std::filesystem::path& file);

// The lines of the entries, in ID order.
std::string IdHistoryLines(const IdHistory& entries);

// The first record whose ID the history holds with other givens.
std::optional<PuzzleRecord> FirstChangedId(const IdHistory& history,
                                           const std::vector<PuzzleRecord>& records);

// The records whose IDs the history does not hold yet, as entries.
IdHistory NewIds(const IdHistory& history, const std::vector<PuzzleRecord>& records);

}  // namespace kvadrix::puzzles
