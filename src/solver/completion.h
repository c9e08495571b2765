#pragma once
// The completion rule: what a filled grid means for the game.
#include <string_view>

#include "board/game_state.h"

namespace kvadrix::solver {

inline constexpr std::string_view kSolutionWrong = "A kirakás nem sikerült, valahol hiba van!";

enum class Completion {
  kNotFull,  // cells are still empty: nothing happens
  kWrong,    // full, but a row, column or box repeats a digit: kSolutionWrong, the game goes on
  kSolved,   // the game ends: the result is recorded and the next puzzle offered
};

Completion CheckCompletion(const board::GameState& state);

}  // namespace kvadrix::solver
