#pragma once
// The completion rule: a solved grid holds 1..9 exactly once in every row, column and box.
#include "board/board.h"

namespace kvadrix::solver {

// True when every row, column and box holds each digit 1..9 exactly once.
bool VerifyBoard(const board::Board& board);

}  // namespace kvadrix::solver
