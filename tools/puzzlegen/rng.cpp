#include "puzzlegen/rng.h"

namespace kvadrix::puzzlegen {
namespace {

uint64_t SplitMix64(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

constexpr uint64_t RotateLeft(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

Rng::Rng(uint64_t seed) {
  for (uint64_t& word : state_) word = SplitMix64(seed);
}

uint64_t Rng::Next() {
  const uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

uint32_t Rng::Below(uint32_t bound) {
  // Multiply-shift on 32 random bits; drawing again in the small biased zone.
  const uint32_t threshold = static_cast<uint32_t>(-bound) % bound;
  for (;;) {
    const uint64_t product = (Next() >> 32) * bound;
    if (static_cast<uint32_t>(product) >= threshold) return static_cast<uint32_t>(product >> 32);
  }
}

uint64_t DeriveSeed(uint64_t seed, uint64_t stream) {
  uint64_t x = seed ^ (stream * 0xD1B54A32D192ED03ull);
  return SplitMix64(x);
}

}  // namespace kvadrix::puzzlegen
