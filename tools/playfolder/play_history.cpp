#include "playfolder/play_history.h"

#include <algorithm>
#include <cmath>

#include "board/game_clock.h"
#include "common/error.h"
#include "puzzles/levels.h"
#include "puzzles/puzzle_table.h"
#include "tables/table_store.h"

namespace kvadrix::playfolder {
namespace {

constexpr double kMinute = 1.0 / (24 * 60);
constexpr double kFirstGameHour = 7.0 / 24;
constexpr double kPlayingHours = 16.0 / 24;  // every player's games fit between 7:00 and 23:00
// Typical minutes for a puzzle of each numbered level, easiest first.
constexpr double kTypicalMinutes[] = {6, 10, 17, 26, 38};

}  // namespace

PuzzleLadder ReadPuzzleLadder(const std::filesystem::path& library) {
  tables::TableStore puzzles;
  puzzles::LoadPuzzleTable(puzzles, library);
  puzzles::ShowWholeLibrary(puzzles);
  PuzzleLadder ladder(puzzles::kLevels.size());
  const tables::FieldRef id = puzzles.FieldByName(puzzles::kId);
  for (puzzles.First(); !puzzles.Eof(); puzzles.Next()) {
    const int32_t value = id.AsInteger();
    if (value < 10000 || puzzles::IsBeyondNumberedLevels(value)) continue;
    ladder[value / 10000 - 1].push_back(value);
  }
  std::erase_if(ladder, [](const std::vector<int32_t>& level) { return level.empty(); });
  if (ladder.empty()) throw Error("A feladványtárban nincs számozott szintű feladvány.");
  return ladder;
}

std::vector<players::NewPlayer> PlayersOf(const FolderShape& shape) {
  static const char* const kNames[] = {"Anna", "Bálint", "Csenge", "Dénes", "Erzsébet"};
  std::vector<players::NewPlayer> list;
  for (int i = 0; i < shape.players; ++i) {
    players::NewPlayer player;
    player.name = kNames[i % 5];
    player.password = "jelszó" + std::to_string(i + 1);
    player.password_again = player.password;
    player.szin = i + 1;
    player.szint = i % 3 + 1;
    list.push_back(player);
  }
  return list;
}

double AdditionTime(const FolderShape& shape, int player) {
  // The evening before the first day of play, a few minutes apart.
  return shape.last_day - shape.days + 0.75 + player * 3 * kMinute;
}

PlayHistory::PlayHistory(const FolderShape& shape, PuzzleLadder ladder)
    : shape_(shape), ladder_(std::move(ladder)), random_(shape.seed) {
  for (int player = 0; player < shape.players; ++player) {
    // Beginners start on the easiest level, masters a few levels up.
    const size_t level = std::min<size_t>(static_cast<size_t>(player % 3), ladder_.size() - 1);
    progress_.push_back(Progress{level, static_cast<size_t>(player * 7) % ladder_[level].size()});
  }
}

double PlayHistory::Uniform() { return static_cast<double>(random_() >> 11) * 0x1.0p-53; }

void PlayHistory::PlayersDay(int player, double day, std::vector<PlayEvent>& events) {
  const double slot = kPlayingHours / shape_.games_per_day;
  double time = day + kFirstGameHour + Uniform() * slot * 0.2;
  for (int game = 0; game < shape_.games_per_day; ++game) {
    Progress& at = progress_[player];
    const int32_t puzzle = ladder_[at.level][at.game];
    // Roughly log-normal around the level's typical time, within the player's slot for it.
    const double spread = std::exp((Uniform() + Uniform() + Uniform() - 1.5) * 0.8);
    const double minutes = kTypicalMinutes[std::min<size_t>(at.level, 4)] * spread;
    const double length = std::clamp(minutes * kMinute, kMinute, slot * 0.7);
    const double pause = (slot - length) * Uniform() * 0.4;
    if (Uniform() < shape_.unfinished_share) {
      const double done = length * (0.2 + 0.6 * Uniform());
      PlayEvent closed{PlayEvent::Kind::kClosedMidway, player, puzzle, time, time + done, 0};
      closed.ticks = board::ElapsedTicks(closed.start_time, closed.now);
      events.push_back(closed);
      const double resumed = time + done + pause * 0.5;
      events.push_back({PlayEvent::Kind::kCompleted, player, puzzle, resumed - done,
                        resumed - done + length, 0});
      time = resumed - done + length + pause * 0.5;
    } else {
      events.push_back({PlayEvent::Kind::kCompleted, player, puzzle, time, time + length, 0});
      time += length + pause;
    }
    if (++at.game == ladder_[at.level].size()) at = Progress{(at.level + 1) % ladder_.size(), 0};
  }
}

bool PlayHistory::NextDay(std::vector<PlayEvent>& events) {
  events.clear();
  if (day_ >= shape_.days) return false;
  const double day = shape_.last_day - shape_.days + 1 + day_++;
  for (int player = 0; player < shape_.players; ++player) PlayersDay(player, day, events);
  std::stable_sort(events.begin(), events.end(),
                   [](const PlayEvent& a, const PlayEvent& b) { return a.now < b.now; });
  return true;
}

}  // namespace kvadrix::playfolder
