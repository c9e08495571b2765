// Page 0: adding, changing and deleting players.
#include "app/tabla.h"

namespace kvadrix::app {

void TTabla::ConnectPlayerHandlers() {
  // The player page's handlers are connected here.
}

}  // namespace kvadrix::app
