#include "board/game_clock.h"

#include <gtest/gtest.h>

#include <utility>

namespace kvadrix::board {
namespace {

TEST(GameClock, FormatTicksShowsMinutesWithoutWrapping) {
  const std::pair<int64_t, const char*> examples[] = {
      {0, "00:00"},   {7, "00:07"},   {42, "00:42"},  {60, "01:00"},   {100, "01:40"},
      {367, "06:07"}, {599, "09:59"}, {600, "10:00"}, {3725, "62:05"}, {20000, "333:20"},
      {-5, "00:00"},  {10, "00:10"},  {609, "10:09"}};
  for (const auto& [ticks, text] : examples) EXPECT_EQ(FormatTicks(ticks), text) << ticks;
}

TEST(GameClock, ElapsedTicksRoundsHalfToEvenAndNeverGoesNegative) {
  const double start = 45000.5;  // a day count of a real date, with a time of day
  EXPECT_EQ(ElapsedTicks(start, start), 0);
  EXPECT_EQ(ElapsedTicks(start, start + 51.84 / 86400), 60);
  EXPECT_EQ(ElapsedTicks(start, start + 86.4 / 86400), 100);
  EXPECT_EQ(ElapsedTicks(start, start + 0.4 / 86400), 0);
  EXPECT_EQ(ElapsedTicks(start, start + 0.5 / 86400), 1);
  // 1/64 and 3/64 of a day are exact: 1562.5 and 4687.5 ticks.
  EXPECT_EQ(ElapsedTicks(45000.0, 45000.0 + 1.0 / 64), 1562);
  EXPECT_EQ(ElapsedTicks(45000.0, 45000.0 + 3.0 / 64), 4688);
  // The clock set back during a game.
  EXPECT_EQ(ElapsedTicks(start, start - 0.01), 0);
  EXPECT_EQ(FormatTicks(ElapsedTicks(start, start - 1)), "00:00");
}

}  // namespace
}  // namespace kvadrix::board
