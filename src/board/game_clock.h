#pragma once
// Game time in ClockTicks: 1/100000 of a day (0.864 s), shown as if each tick were a second.
#include <cstdint>
#include <string>

namespace kvadrix::board {

inline constexpr double kTicksPerDay = 100000.0;

// round((now - start) * 100000), ties to even. Both are day counts. A clock set back during a
// game would give a negative time; it counts as 0.
int64_t ElapsedTicks(double start, double now);

// "00:07", "06:07", "62:05", "333:20": minutes are never wrapped. Negative counts as 0.
std::string FormatTicks(int64_t ticks);

}  // namespace kvadrix::board
