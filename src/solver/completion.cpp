#include "solver/completion.h"

#include "solver/verify_board.h"

namespace kvadrix::solver {

Completion CheckCompletion(const board::GameState& state) {
  if (state.remaining_count != 0) return Completion::kNotFull;
  return VerifyBoard(state.board) ? Completion::kSolved : Completion::kWrong;
}

}  // namespace kvadrix::solver
