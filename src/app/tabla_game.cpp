// The game clock, starting a game from a puzzle record, and the best times of the puzzle.
#include "app/tabla.h"

namespace kvadrix::app {

void TTabla::ConnectGameHandlers() {}

}  // namespace kvadrix::app
