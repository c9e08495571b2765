#include "puzzlegen/difficulty_score.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>

#include "board/candidate_grid.h"
#include "board/units.h"
#include "common/error.h"
#include "puzzlegen/strong_techniques.h"
#include "solver/techniques.h"

namespace kvadrix::puzzlegen {
namespace {

using board::CandidateGrid;
using board::DigitBit;
using board::DigitMask;
using board::kUnits;

struct TechniqueInfo {
  std::string_view name;
  double weight;
};

// Weights rise with the number of cells and digits a player must hold in mind at once.
constexpr std::array<TechniqueInfo, 9> kTechniques{{
    {"singles", 1},
    {"candidate lines", 2},
    {"line to box", 2},
    {"naked pair", 3},
    {"hidden pair", 4},
    {"naked triple", 5},
    {"hidden triple", 6},
    {"X-wing", 8},
    {"trial", 12},
}};

const TechniqueInfo& InfoOf(Technique technique) {
  return kTechniques[static_cast<size_t>(technique)];
}

// The cells' digits and, for empty cells, what their units leave; filled cells hold no
// candidates, as the grader's techniques expect.
class Position {
 public:
  explicit Position(const solver::Grid81& givens) : cells_(givens) {
    for (int cell = 0; cell < 81; ++cell) {
      grid_.SetMaskAt(cell, cells_[cell] ? 0 : board::kAllDigits);
    }
    for (int cell = 0; cell < 81; ++cell) {
      if (cells_[cell]) RemoveFromPeers(cell, cells_[cell]);
    }
  }

  CandidateGrid& grid() { return grid_; }
  int CandidateCount() const {
    int count = 0;
    for (int cell = 0; cell < 81; ++cell) count += std::popcount(grid_.MaskAt(cell));
    return count;
  }
  bool Solved() const {
    for (uint8_t digit : cells_) {
      if (digit == 0) return false;
    }
    return true;
  }

  void Place(int cell, int digit) {
    cells_[cell] = static_cast<uint8_t>(digit);
    grid_.SetMaskAt(cell, 0);
    RemoveFromPeers(cell, digit);
  }

  // Bit d of entry `cell` set when placing d there is a naked or hidden single now.
  std::array<DigitMask, 81> Singles() const {
    std::array<DigitMask, 81> singles{};
    for (int cell = 0; cell < 81; ++cell) {
      if (std::popcount(grid_.MaskAt(cell)) == 1) singles[cell] = grid_.MaskAt(cell);
    }
    for (const auto* group : {&kUnits.rows, &kUnits.cols, &kUnits.boxes}) {
      for (const board::UnitCells& unit : *group) {
        for (int digit = 1; digit <= 9; ++digit) {
          int holder = -1, holders = 0;
          for (int cell : unit) {
            if (grid_.MaskAt(cell) & DigitBit(digit)) {
              holder = cell;
              ++holders;
            }
          }
          if (holders == 1) singles[holder] |= DigitBit(digit);
        }
      }
    }
    return singles;
  }

 private:
  void RemoveFromPeers(int cell, int digit) {
    for (const board::UnitCells* unit :
         {&kUnits.rows[kUnits.row_of[cell]], &kUnits.cols[kUnits.col_of[cell]],
          &kUnits.boxes[kUnits.box_of[cell]]}) {
      for (int peer : *unit) grid_.RemoveAt(peer, digit);
    }
  }

  solver::Grid81 cells_;
  CandidateGrid grid_;
};

struct Eliminator {
  Technique technique;
  std::function<bool(CandidateGrid&)> apply;
};

const std::array<Eliminator, 7>& Eliminators() {
  static const std::array<Eliminator, 7> eliminators{{
      {Technique::kCandidateLines,
       [](CandidateGrid& grid) {
         bool changed = false;
         solver::CandidateLinesPass(grid, changed);
         return changed;
       }},
      {Technique::kLineToBox, ClaimLineToBox},
      {Technique::kNakedPair, [](CandidateGrid& grid) { return NakedSubsets(grid, 2); }},
      {Technique::kHiddenPair, [](CandidateGrid& grid) { return HiddenSubsets(grid, 2); }},
      {Technique::kNakedTriple, [](CandidateGrid& grid) { return NakedSubsets(grid, 3); }},
      {Technique::kHiddenTriple, [](CandidateGrid& grid) { return HiddenSubsets(grid, 3); }},
      {Technique::kXWing, XWing},
  }};
  return eliminators;
}

// Plays one round and adds its cost to `score`.
void PlayRound(Position& position, const solver::Grid81& solution, DifficultyScore& score) {
  const auto use = [&score](Technique technique, double cost) {
    score.hardest = std::max(score.hardest, technique);
    score.effort += cost;
  };
  const std::array<DigitMask, 81> singles = position.Singles();
  int offered = 0, first_cell = -1;
  for (int cell = 0; cell < 81; ++cell) {
    offered += std::popcount(singles[cell]);
    if (first_cell < 0 && singles[cell]) first_cell = cell;
  }
  if (offered > 0) {
    use(Technique::kSingle, InfoOf(Technique::kSingle).weight / offered);
    position.Place(first_cell, std::countr_zero(singles[first_cell]));
    return;
  }
  const int before = position.CandidateCount();
  for (const Eliminator& eliminator : Eliminators()) {
    if (!eliminator.apply(position.grid())) continue;
    const int removed = before - position.CandidateCount();
    use(eliminator.technique, InfoOf(eliminator.technique).weight / removed);
    return;
  }
  int cell = -1;
  for (int c = 0; c < 81; ++c) {
    const int count = std::popcount(position.grid().MaskAt(c));
    if (count >= 2 && (cell < 0 || count < std::popcount(position.grid().MaskAt(cell)))) cell = c;
  }
  if (cell < 0) throw Error("A feladvány ellentmondásra jutott.");
  const int others = std::popcount(position.grid().MaskAt(cell)) - 1;
  use(Technique::kTrial, InfoOf(Technique::kTrial).weight * others);
  position.Place(cell, solution[cell]);
}

}  // namespace

std::string_view TechniqueName(Technique technique) { return InfoOf(technique).name; }

double TechniqueWeight(Technique technique) { return InfoOf(technique).weight; }

DifficultyScore ScoreDifficulty(const solver::Grid81& givens) {
  solver::Grid81 solution{};
  if (solver::CountSolutions(givens, 2, &solution) != 1) {
    throw Error("A feladványnak nem egy megoldása van.");
  }
  Position position(givens);
  DifficultyScore score;
  while (!position.Solved()) PlayRound(position, solution, score);
  return score;
}

}  // namespace kvadrix::puzzlegen
