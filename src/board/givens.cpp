#include "board/givens.h"

#include <string>

#include "common/error.h"

namespace kvadrix::board {

void ValidateGivens(std::string_view text) {
  if (text.empty()) throw Error("Hibás feladvány: a mezők szövege üres.");
  if (text.size() % 3 != 0) {
    throw Error("Hibás feladvány: a mezők szövegének hossza (" + std::to_string(text.size()) +
                ") nem osztható hárommal.");
  }
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] < '1' || text[i] > '9') {
      throw Error("Hibás feladvány: a mezők szövegének " + std::to_string(i + 1) +
                  ". karaktere nem 1 és 9 közötti számjegy.");
    }
  }
}

void ApplyGivens(GameState& state, std::string_view text) {
  ValidateGivens(text);
  for (size_t i = 0; i < text.size(); i += 3) {
    const int row = text[i] - '0', col = text[i + 1] - '0';
    state.board.Set(row, col, text[i + 2] - '0');
    state.candidates.Clear(row, col);
  }
  UpdateRemainingCount(state);
}

}  // namespace kvadrix::board
