#include "puzzlegen/library.h"

#include <algorithm>
#include <chrono>
#include <set>

#include "board/givens.h"
#include "puzzlegen/difficulty_score.h"
#include "puzzlegen/grading.h"
#include "puzzlegen/level_maker.h"
#include "puzzlegen/rng.h"
#include "puzzles/levels.h"
#include "puzzles/puzzle_table.h"

namespace kvadrix::puzzlegen {

std::string MezokText(const solver::Grid81& givens) {
  std::string text;
  for (int cell = 0; cell < 81; ++cell) {
    if (givens[cell] == 0) continue;
    text += char('1' + cell / 9);
    text += char('1' + cell % 9);
    text += char('0' + givens[cell]);
  }
  return text;
}

solver::Grid81 GivensOf(std::string_view mezok) {
  board::ValidateGivens(mezok);
  solver::Grid81 givens{};
  for (size_t i = 0; i + 2 < mezok.size(); i += 3) {
    givens[(mezok[i] - '1') * 9 + (mezok[i + 1] - '1')] = static_cast<uint8_t>(mezok[i + 2] - '0');
  }
  return givens;
}

std::vector<LibraryRecord> NumberLevel(char code, const std::vector<solver::Grid81>& puzzles) {
  std::vector<LibraryRecord> records;
  for (size_t i = 0; i < puzzles.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const std::optional<int> id = puzzles::PuzzleId(code, number);
    records.push_back(LibraryRecord{.id = id ? *id : kFirstOtherId + number - 1,
                                    .level = code,
                                    .number = number,
                                    .mezok = MezokText(puzzles[i])});
  }
  return records;
}

void WriteLibrary(const std::filesystem::path& file, const std::vector<LibraryRecord>& records) {
  tables::TableStore store(puzzles::PuzzleFields());
  store.CreateDataSet();
  for (const LibraryRecord& record : records) {
    store.Append();
    store.FieldByName(puzzles::kId).SetAsInteger(record.id);
    store.FieldByName(puzzles::kNehezseg).SetAsString(std::string(1, record.level));
    store.FieldByName(puzzles::kSorszam).SetAsInteger(record.number);
    store.FieldByName(puzzles::kMezok).SetAsString(record.mezok);
    store.Post();
  }
  // The library ships as data, not as the history of its making.
  store.MergeChangeLog();
  store.SaveToFile(file);
}

std::vector<LibraryRecord> ReadLibrary(const std::filesystem::path& file) {
  tables::TableStore store;
  puzzles::LoadPuzzleTable(store, file);
  std::vector<LibraryRecord> records;
  for (store.First(); !store.Eof(); store.Next()) {
    const std::string level = store.FieldByName(puzzles::kNehezseg).AsString();
    records.push_back(LibraryRecord{.id = store.FieldByName(puzzles::kId).AsInteger(),
                                    .level = level.empty() ? '?' : level[0],
                                    .number = store.FieldByName(puzzles::kSorszam).AsInteger(),
                                    .mezok = store.FieldByName(puzzles::kMezok).AsString()});
  }
  return records;
}

void OrderByDifficulty(std::vector<solver::Grid81>& puzzles) {
  struct Ranked {
    DifficultyScore score;
    int givens;
    std::string mezok;
    solver::Grid81 grid;
  };
  std::vector<Ranked> ranked;
  for (const solver::Grid81& puzzle : puzzles) {
    ranked.push_back({ScoreDifficulty(puzzle), CountGivens(puzzle), MezokText(puzzle), puzzle});
  }
  std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
    if (a.score != b.score) return a.score < b.score;
    if (a.givens != b.givens) return a.givens > b.givens;
    return a.mezok < b.mezok;
  });
  for (size_t i = 0; i < ranked.size(); ++i) puzzles[i] = ranked[i].grid;
}

std::vector<LibraryRecord> MakeLibraryLevel(size_t index, uint64_t seed,
                                            std::set<solver::Grid81>& taken) {
  const LevelQuota quota = kLibraryQuotas.at(index);
  std::vector<solver::Grid81> puzzles =
      MakeLevelPuzzles(quota.code, quota.count, DeriveSeed(seed, index), taken);
  OrderByDifficulty(puzzles);
  return NumberLevel(quota.code, puzzles);
}

std::vector<LibraryRecord> MakeLibrary(uint64_t seed, const LevelTimer& on_level) {
  std::set<solver::Grid81> taken;
  std::vector<LibraryRecord> records;
  for (size_t index = 0; index < kLibraryQuotas.size(); ++index) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<LibraryRecord> level = MakeLibraryLevel(index, seed, taken);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (on_level) on_level(kLibraryQuotas[index].code, kLibraryQuotas[index].count, took.count());
    records.insert(records.end(), level.begin(), level.end());
  }
  return records;
}

}  // namespace kvadrix::puzzlegen
