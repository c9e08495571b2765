#include "common/system_seams.h"

#include <chrono>
#include <ctime>

#include "common/day_count.h"

namespace kvadrix {

double SystemClock::Now() const {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const int days = DaysFromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
  const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0;
  return days + seconds / 86400.0;
}

uint32_t StdRandom::Below(uint32_t bound) {
  return std::uniform_int_distribution<uint32_t>(0, bound - 1)(engine_);
}

}  // namespace kvadrix
