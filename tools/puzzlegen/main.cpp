// puzzlegen: writes the graded puzzle library the game ships with.
//   puzzlegen [--seed N] OUTPUT.xml
// The same seed writes the same file, byte for byte.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "puzzlegen/library.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: puzzlegen [--seed N] OUTPUT.xml\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t seed = kvadrix::puzzlegen::kLibrarySeed;
  std::string output;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      try {
        seed = std::stoull(argv[++i]);
      } catch (const std::exception&) {
        return Usage();
      }
    } else if (output.empty() && !arg.starts_with("-")) {
      output = arg;
    } else {
      return Usage();
    }
  }
  if (output.empty()) return Usage();

  try {
    const auto start = std::chrono::steady_clock::now();
    const auto records =
        kvadrix::puzzlegen::MakeLibrary(seed, [](char code, int count, double seconds) {
          std::printf("level %c: %3d puzzles in %6.1f s\n", code, count, seconds);
          std::fflush(stdout);
        });
    kvadrix::puzzlegen::WriteLibrary(output, records);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%zu puzzles written to %s in %.1f s (seed %llu)\n", records.size(), output.c_str(),
                took.count(), static_cast<unsigned long long>(seed));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "puzzlegen: %s\n", error.what());
    return 1;
  }
  return 0;
}
