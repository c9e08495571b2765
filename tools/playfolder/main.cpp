// kvadrix_playfolder: writes a play folder holding years of a family's play, as the game would
// have left it, for benchmarks and start-up measurements.
//
//   kvadrix_playfolder --players 5 --years 10 --games-per-day 20 --seed 1 --out DIR
//
// --days N instead of --years gives the days exactly (a year is 365 days); --unfinished-share
// is the share of games closed midway and finished later (0.05); --library the puzzle library
// copied into the folder (the shipped one).
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "playfolder/folder_builder.h"

namespace {

[[noreturn]] void Usage() {
  std::fprintf(stderr,
               "usage: kvadrix_playfolder [--players N] [--years N | --days N] "
               "[--games-per-day N] [--seed S] [--unfinished-share X] [--library FILE] "
               "--out DIR\n");
  std::exit(2);
}

uintmax_t FileSize(const std::filesystem::path& file) {
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(file, error);
  return error ? 0 : size;
}

}  // namespace

int main(int argc, char* argv[]) {
  kvadrix::playfolder::FolderShape shape;
  std::filesystem::path out;
  std::filesystem::path library = KVADRIX_SOURCE_DIR "/data/sudoku.xml";
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (i + 1 >= argc) Usage();
    const char* value = argv[++i];
    if (option == "--players") {
      shape.players = std::atoi(value);
    } else if (option == "--years") {
      shape.days = std::atoi(value) * 365;
    } else if (option == "--days") {
      shape.days = std::atoi(value);
    } else if (option == "--games-per-day") {
      shape.games_per_day = std::atoi(value);
    } else if (option == "--seed") {
      shape.seed = std::strtoull(value, nullptr, 10);
    } else if (option == "--unfinished-share") {
      shape.unfinished_share = std::atof(value);
    } else if (option == "--library") {
      library = value;
    } else if (option == "--out") {
      out = value;
    } else {
      Usage();
    }
  }
  if (out.empty()) Usage();
  try {
    const kvadrix::playfolder::BuiltFolder built =
        kvadrix::playfolder::BuildPlayFolder(shape, library, out);
    std::printf("%zu players, %lld results, %lld games closed midway\n", built.keys.size(),
                static_cast<long long>(built.results), static_cast<long long>(built.closed_midway));
    for (const char* file : {"jatekosok.xml", "eredmenyek.xml", "utolso.xml"}) {
      std::printf("%-15s %ju bytes\n", file, FileSize(out / file));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kvadrix_playfolder: %s\n", error.what());
    return 1;
  }
  return 0;
}
