#include "board/game_clock.h"

#include <cmath>

namespace kvadrix::board {

int64_t ElapsedTicks(double start, double now) {
  // nearbyint under the default rounding mode rounds half to even.
  const double ticks = std::nearbyint((now - start) * kTicksPerDay);
  if (!(ticks > 0)) return 0;      // also a NaN from a broken clock
  constexpr double kMax = 9.0e18;  // keeps the conversion defined
  return ticks < kMax ? int64_t(ticks) : int64_t(kMax);
}

std::string FormatTicks(int64_t ticks) {
  if (ticks < 0) ticks = 0;
  const int64_t minutes = ticks / 60, seconds = ticks % 60;
  std::string text = minutes < 10 ? "0" : "";
  text += std::to_string(minutes);
  text += seconds < 10 ? ":0" : ":";
  text += std::to_string(seconds);
  return text;
}

}  // namespace kvadrix::board
