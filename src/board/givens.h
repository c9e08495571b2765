#pragma once
// A puzzle record's givens ("Mezok"): triples of row, column, digit, each "1".."9".
#include <string_view>

#include "board/game_state.h"

namespace kvadrix::board {

// Throws kvadrix::Error ("Hibás feladvány: ...") for an empty text, a length that is not a whole
// number of triples, or a character other than "1".."9".
void ValidateGivens(std::string_view text);

// Validates the whole text first, so a refused record places nothing; then writes every given
// with SetGivenCell's effect. Candidates of the empty cells are not computed here.
void ApplyGivens(GameState& state, std::string_view text);

}  // namespace kvadrix::board
