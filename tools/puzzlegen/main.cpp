// puzzlegen: writes the graded puzzle library the game ships with, and reports how each level's
// game numbers follow the difficulty score.
//   puzzlegen [--seed N] [--history IDS.tsv] OUTPUT.xml
//   puzzlegen --report LIBRARY.xml
// The same seed writes the same file, byte for byte. With --history, a library that would give
// a recorded ID other givens is not written, and the new IDs are appended to the history.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/error.h"
#include "puzzlegen/level_report.h"
#include "puzzlegen/library.h"
#include "puzzles/id_history.h"

namespace {

namespace puzzlegen = kvadrix::puzzlegen;
namespace puzzles = kvadrix::puzzles;

int Usage() {
  std::fprintf(stderr,
               "usage: puzzlegen [--seed N] [--history IDS.tsv] OUTPUT.xml\n"
               "       puzzlegen --report LIBRARY.xml\n");
  return 2;
}

std::vector<puzzles::PuzzleRecord> PuzzleRecords(
    const std::vector<puzzlegen::LibraryRecord>& records) {
  std::vector<puzzles::PuzzleRecord> puzzle_records;
  for (const auto& record : records) puzzle_records.push_back({record.id, record.mezok});
  return puzzle_records;
}

// Refuses a library that changes a recorded ID's givens; otherwise returns the new IDs.
puzzles::IdHistory CheckHistory(const std::string& history_file,
                                const std::vector<puzzlegen::LibraryRecord>& records) {
  const puzzles::IdHistory history = puzzles::ReadIdHistory(history_file);
  const auto records_by_id = PuzzleRecords(records);
  if (const auto changed = puzzles::FirstChangedId(history, records_by_id)) {
    throw kvadrix::Error("ID " + std::to_string(changed->id) +
                         " would get other givens than it shipped with; library not written");
  }
  return puzzles::NewIds(history, records_by_id);
}

void AppendHistory(const std::string& history_file, const puzzles::IdHistory& added) {
  std::ofstream out(history_file, std::ios::app | std::ios::binary);
  out << puzzles::IdHistoryLines(added);
  if (!out.flush()) throw kvadrix::Error("cannot append to " + history_file);
  std::printf("%zu new IDs appended to %s\n", added.size(), history_file.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t seed = puzzlegen::kLibrarySeed;
  std::string output, history, report;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      try {
        seed = std::stoull(argv[++i]);
      } catch (const std::exception&) {
        return Usage();
      }
    } else if (arg == "--history" && i + 1 < argc) {
      history = argv[++i];
    } else if (arg == "--report" && i + 1 < argc) {
      report = argv[++i];
    } else if (output.empty() && !arg.starts_with("-")) {
      output = arg;
    } else {
      return Usage();
    }
  }
  if (output.empty() == report.empty()) return Usage();

  try {
    if (!report.empty()) {
      std::fputs(
          puzzlegen::FormatReport(puzzlegen::ReportLevels(puzzlegen::ReadLibrary(report))).c_str(),
          stdout);
      return 0;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto records = puzzlegen::MakeLibrary(seed, [](char code, int count, double seconds) {
      std::printf("level %c: %3d puzzles in %6.1f s\n", code, count, seconds);
      std::fflush(stdout);
    });
    // Checked before anything is written, so a refused library leaves both files as they were.
    const puzzles::IdHistory added =
        history.empty() ? puzzles::IdHistory{} : CheckHistory(history, records);
    puzzlegen::WriteLibrary(output, records);
    if (!history.empty()) AppendHistory(history, added);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%zu puzzles written to %s in %.1f s (seed %llu)\n", records.size(), output.c_str(),
                took.count(), static_cast<unsigned long long>(seed));
    std::fputs(puzzlegen::FormatReport(puzzlegen::ReportLevels(records)).c_str(), stdout);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "puzzlegen: %s\n", error.what());
    return 1;
  }
  return 0;
}
