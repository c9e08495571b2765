#pragma once
// Play folders of years of play (tools/playfolder), generated once per shape and kept in the
// temporary folder, so a benchmark run is not mostly generation. A folder is generated in a
// child process, which keeps its memory out of the benchmark's peak.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "playfolder/folder_builder.h"

namespace kvadrix::bench {

// Bump when the generator's output changes, so old cached folders are not used.
inline constexpr int kGeneratorVersion = 1;

inline playfolder::FolderShape FamilyShape(int days) {
  return playfolder::FolderShape{.players = 5, .days = days, .games_per_day = 20, .seed = 1};
}

// The library's size and modification time: a changed library gives new folders.
inline std::string LibraryStamp(const std::filesystem::path& library) {
  struct stat info {};
  if (::stat(library.c_str(), &info) != 0) throw std::runtime_error("no " + library.string());
  return std::to_string(info.st_size) + "-" + std::to_string(info.st_mtim.tv_sec);
}

inline std::filesystem::path GeneratedFolder(const playfolder::FolderShape& shape) {
  const std::filesystem::path library =
      std::filesystem::path(KVADRIX_SOURCE_DIR) / "data" / "sudoku.xml";
  const std::string key = "v" + std::to_string(kGeneratorVersion) + "-p" +
                          std::to_string(shape.players) + "-d" + std::to_string(shape.days) + "-g" +
                          std::to_string(shape.games_per_day) + "-s" + std::to_string(shape.seed) +
                          "-u" + std::to_string(shape.unfinished_share) + "-l" +
                          LibraryStamp(library);
  const std::filesystem::path cache =
      std::filesystem::temp_directory_path() / "kvadrix-playfolders";
  const std::filesystem::path folder = cache / key;
  if (std::filesystem::exists(folder)) return folder;
  std::filesystem::create_directories(cache);
  const std::filesystem::path partial = cache / (key + ".partial." + std::to_string(::getpid()));
  const pid_t child = ::fork();
  if (child == 0) {
    try {
      std::filesystem::remove_all(partial);
      playfolder::BuildPlayFolder(shape, library, partial);
      std::filesystem::rename(partial, folder);  // whole folders only, even with parallel runs
      ::_exit(0);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "generating %s: %s\n", folder.c_str(), error.what());
      ::_exit(1);
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  std::error_code ignored;
  std::filesystem::remove_all(partial, ignored);  // another run renamed its folder first
  if (!std::filesystem::exists(folder)) {
    throw std::runtime_error("could not generate " + folder.string());
  }
  return folder;
}

// Everything of a generated folder in a fresh folder of its own, for benchmarks that write.
inline void CopyFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
  for (const auto& entry : std::filesystem::directory_iterator(from)) {
    std::filesystem::copy_file(entry.path(), to / entry.path().filename());
  }
}

// The process's peak resident memory so far, in MB.
inline double PeakMegabytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace kvadrix::bench
