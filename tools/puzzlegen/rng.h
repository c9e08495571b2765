#pragma once
// The generator's own random numbers: xoshiro256** seeded through splitmix64. Written out here
// rather than taken from <random>'s distributions, whose results differ between standard
// libraries, so one seed gives the same library everywhere.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace kvadrix::puzzlegen {

class Rng {
 public:
  explicit Rng(uint64_t seed);

  uint64_t Next();
  // Uniform in [0, bound); bound > 0. Rejection keeps it unbiased.
  uint32_t Below(uint32_t bound);

  template <typename T, size_t N>
  void Shuffle(std::span<T, N> items) {
    for (size_t i = items.size(); i > 1; --i) {
      std::swap(items[i - 1], items[Below(static_cast<uint32_t>(i))]);
    }
  }

 private:
  std::array<uint64_t, 4> state_;
};

// Mixes a stream number into a seed, so independent streams come from one seed.
uint64_t DeriveSeed(uint64_t seed, uint64_t stream);

}  // namespace kvadrix::puzzlegen
