// Entering play with "Tovább", the last game, and remembering an unfinished game at closing.
#include <QCloseEvent>

#include "app/tabla.h"

namespace kvadrix::app {

void TTabla::closeEvent(QCloseEvent* event) {
  FormClose();
  QMainWindow::closeEvent(event);
}

void TTabla::FormClose() {
  // Storing an unfinished game comes here.
}

}  // namespace kvadrix::app
