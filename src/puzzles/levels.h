#pragma once
// Difficulty levels and puzzle identifiers. A numbered level's ID is its level digit followed by
// the game number in four digits (game 42 of "Közepes" is 20042); IDs above 59999 lie beyond
// the numbered levels. Level names are UTF-8 and compared exactly.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kvadrix::puzzles {

struct Level {
  char code;              // LevelCode, the PuzzleTable's `Nehezseg`
  std::string_view name;  // as shown in the level combo box
  int digit;              // first digit of its IDs; 0 for "Többi"
};

// Easiest first; "Többi" holds the puzzles outside the numbered ladder.
inline constexpr std::array<Level, 6> kLevels{{
    {'E', "Könnyű", 1},
    {'A', "Közepes", 2},
    {'H', "Nehéz", 3},
    {'M', "Mester", 4},
    {'I', "Lehetetlen", 5},
    {'T', "Többi", 0},
}};

inline constexpr int kLastNumberedId = 59999;
inline constexpr std::string_view kNumberedLevelsFilter = "ID<60001";

// Level combo text to LevelCode; any other text (the empty one included) gives none.
std::optional<char> LevelCodeFromName(std::string_view name);

// LevelCode to name for the summary: "T" and any unknown code give "".
std::string_view LevelNameFromCode(std::string_view code);

// Name of the level whose digit begins the ID's decimal text; none unless it is "1".."5".
std::optional<std::string_view> LevelNameFromId(int id);

// Characters two to five of the ID's decimal text read as a number (20042 gives 42);
// none when the text has fewer than two characters.
std::optional<int> GameNumberFromId(int id);

// The ID's decimal text with its first character replaced by "0", read back (20017 gives 17).
int NumberWithinLevel(int id);

// The level name of the ID's first digit, or the ID's decimal text when there is none.
std::string LevelNameOrIdText(int id);

bool IsBeyondNumberedLevels(int id);

// The ID of game `number` of a numbered level; none for "T" or an unknown code.
std::optional<int> PuzzleId(char code, int number);

// PuzzleTable filters: all puzzles of a level, and one game of a level.
std::string LevelFilter(char code);
std::string GameFilter(char code, int number);

}  // namespace kvadrix::puzzles
