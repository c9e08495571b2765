#include "solver/digit_tally.h"

namespace kvadrix::solver {

void ResetDigitTally(DigitTally& tally) { tally.count.fill(0); }

}  // namespace kvadrix::solver
