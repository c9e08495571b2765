#pragma once
// A play folder as the game leaves it after a PlayHistory: "jatekosok.xml", "eredmenyek.xml",
// "utolso.xml" and a copy of the puzzle library. A table nobody wrote to has no file, as in the
// game.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "playfolder/play_history.h"

namespace kvadrix::playfolder {

struct BuiltFolder {
  std::vector<int32_t> keys;          // the players' keys, in the order they were added
  int64_t results = 0;                // rows of "eredmenyek.xml"
  int64_t closed_midway = 0;          // games stored unfinished before they were finished
  std::vector<int32_t> last_puzzles;  // each player's last puzzle, by player; 0: none played
};

// Fast: the players are added by the game's own "Hozzáad" operation; every game's rows are
// made by the same row operations the game uses, in memory, and each table is saved once at
// the end. Gives the same bytes as PlayGameByGame. The folder must hold no table file yet.
BuiltFolder BuildPlayFolder(const FolderShape& shape, const std::filesystem::path& library,
                            const std::filesystem::path& folder);

// The reference: every game through the game's own locked, saving operations, and each day a
// new start of the program that loads the tables from their files. Slow on long histories.
BuiltFolder PlayGameByGame(const FolderShape& shape, const std::filesystem::path& library,
                           const std::filesystem::path& folder);

}  // namespace kvadrix::playfolder
