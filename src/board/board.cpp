#include "board/board.h"

#include <algorithm>

namespace kvadrix::board {

int Board::CountEmpty() const { return int(std::count(cells_.begin(), cells_.end(), 0)); }

}  // namespace kvadrix::board
