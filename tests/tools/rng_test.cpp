// The generator's random numbers: the published splitmix64 sequence, unbiased ranges and
// shuffles, and independent streams from one seed.
#include "puzzlegen/rng.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <span>

namespace kvadrix::puzzlegen {
namespace {

TEST(RngTest, SequencesFollowTheSeedAlone) {
  // The first output of splitmix64 from 0, as published with the algorithm.
  EXPECT_EQ(DeriveSeed(0, 0), 0xE220A8397B1DCDAFull);
  EXPECT_NE(DeriveSeed(1, 0), DeriveSeed(1, 1));

  Rng a(123), b(123), c(124);
  int same_as_other_seed = 0;
  for (int i = 0; i < 100; ++i) {
    const uint64_t x = a.Next();
    EXPECT_EQ(x, b.Next());
    same_as_other_seed += x == c.Next();
  }
  EXPECT_EQ(same_as_other_seed, 0);
}

TEST(RngTest, BelowAndShuffleCoverTheirRangeEvenly) {
  Rng rng(9);
  std::array<int, 7> counts{};
  for (int i = 0; i < 70000; ++i) {
    const uint32_t x = rng.Below(7);
    ASSERT_LT(x, 7u);
    ++counts[x];
  }
  for (int count : counts) EXPECT_NEAR(count, 10000, 500);
  EXPECT_EQ(rng.Below(1), 0u);

  // Every item lands in every place about equally often, and nothing is lost.
  std::array<std::array<int, 5>, 5> where{};
  for (int i = 0; i < 50000; ++i) {
    std::array<int, 5> items{0, 1, 2, 3, 4};
    rng.Shuffle(std::span(items));
    std::array<int, 5> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(sorted, (std::array<int, 5>{0, 1, 2, 3, 4}));
    for (int p = 0; p < 5; ++p) ++where[items[p]][p];
  }
  for (const auto& row : where) {
    for (int count : row) EXPECT_NEAR(count, 10000, 500);
  }
}

}  // namespace
}  // namespace kvadrix::puzzlegen
