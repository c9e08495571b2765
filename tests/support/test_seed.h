#pragma once
// The seed of a randomised test: KVADRIX_TEST_SEED when set, so a failure can be run again
// exactly, otherwise a fresh one. It is printed either way.
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace kvadrix::testing {

inline unsigned TestSeed() {
  const char* given = std::getenv("KVADRIX_TEST_SEED");
  const unsigned seed = given != nullptr ? static_cast<unsigned>(std::strtoul(given, nullptr, 10))
                                         : std::random_device()();
  std::cout << "seed " << seed << " (run again with KVADRIX_TEST_SEED=" << seed << ")\n";
  return seed;
}

}  // namespace kvadrix::testing
