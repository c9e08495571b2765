#pragma once
// A family's years of play, made up from a seed: who plays which puzzle when, and which games
// are closed midway and finished later. Nothing here touches a file; folder_builder.h turns the
// history into the table files the game would have written.
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "players/add_player.h"

namespace kvadrix::playfolder {

struct FolderShape {
  int players = 5;         // at most players::kMaxPlayers
  int days = 0;            // days of play, ending on last_day
  int games_per_day = 20;  // finished by each player each day
  uint64_t seed = 1;
  double unfinished_share = 0.05;  // games closed midway once, then resumed and finished
  double last_day = 46365;         // day count of the last day of play (9 December 2026)
};

// The numbered levels' puzzle IDs of a library, each level in ID order, empty levels left out.
using PuzzleLadder = std::vector<std::vector<int32_t>>;
PuzzleLadder ReadPuzzleLadder(const std::filesystem::path& library);

// The players as typed into "Hozzáad", and the clock reading of each addition.
std::vector<players::NewPlayer> PlayersOf(const FolderShape& shape);
double AdditionTime(const FolderShape& shape, int player);

struct PlayEvent {
  enum class Kind {
    kClosedMidway,  // the window closed during the game: StoreUnfinishedGame
    kCompleted,     // solved: RecordCompletion
  };
  Kind kind = Kind::kCompleted;
  int player = 0;  // index into PlayersOf
  int32_t puzzle_id = 0;
  double start_time = 0;  // day counts; a resumed game's start is set back by its stored time
  double now = 0;
  int64_t ticks = 0;  // kClosedMidway: the elapsed ticks stored
};

// The games day by day, each day's in the order they end.
class PlayHistory {
 public:
  PlayHistory(const FolderShape& shape, PuzzleLadder ladder);
  // False after the last day; otherwise the next day's events replace `events`.
  bool NextDay(std::vector<PlayEvent>& events);

 private:
  struct Progress {
    size_t level = 0;
    size_t game = 0;
  };
  void PlayersDay(int player, double day, std::vector<PlayEvent>& events);
  double Uniform();  // [0, 1)

  FolderShape shape_;
  PuzzleLadder ladder_;
  std::vector<Progress> progress_;
  std::mt19937_64 random_;
  int day_ = 0;
};

}  // namespace kvadrix::playfolder
