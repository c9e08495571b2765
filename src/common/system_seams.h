#pragma once
// The real clock and random source used by the game outside tests.
#include <random>

#include "common/seams.h"

namespace kvadrix {

class SystemClock : public Clock {
 public:
  double Now() const override;  // local time, millisecond resolution
};

class StdRandom : public RandomSource {
 public:
  void Seed(uint64_t seed) override { engine_.seed(seed); }
  uint32_t Below(uint32_t bound) override;

 private:
  std::mt19937_64 engine_{std::random_device{}()};
};

}  // namespace kvadrix
