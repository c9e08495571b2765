// The window's own keys: Esc closes the window and digit keys choose the digit on the play page.
#include <QApplication>
#include <QKeyEvent>

#include "app/moves.h"
#include "app/play_page.h"
#include "app/tabla.h"

namespace kvadrix::app {
namespace {

constexpr QChar kEsc(27);

}  // namespace

void TTabla::keyPressEvent(QKeyEvent* event) {
  // Only when the window itself has the focus; other controls' keys stay theirs.
  QWidget* focus = QApplication::focusWidget();
  if ((focus == nullptr || focus == this) && event->text().size() == 1) {
    const QChar key = event->text().front();
    guard_.Run([this, key] { FormKeyPress(key); });
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TTabla::FormKeyPress(QChar key) {
  if (key == kEsc) {
    close();
    return;
  }
  if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
    const int digit = key.digitValue();
    play_page_->moves().FocusDigitButton(digit);
    play_page_->moves().DigitButtonClick(digit);
  }
}

}  // namespace kvadrix::app
