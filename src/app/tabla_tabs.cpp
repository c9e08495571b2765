// The tab control and the keyboard: the grid shows only on the play page, the play page waits
// for a player, and the summary page is rebuilt every time it is opened; Esc closes the window
// and digit keys choose the digit on the play page.
#include <QApplication>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "app/grid.h"
#include "app/moves.h"
#include "app/names_page.h"
#include "app/play_page.h"
#include "app/summary_page.h"
#include "app/tabla.h"
#include "widgets/plain_label.h"

namespace kvadrix::app {
namespace {

constexpr QChar kEsc(27);
constexpr char kNoPlayerYet[] = "Nincs még kiválasztva egyetlen név se, így nem léphetsz tovább!";

}  // namespace

// Runs for the user's page changes only; the program changes pages with the signals blocked.
void TTabla::TBClick(int page) {
  ShowPlayerInStatusBar();
  if (page == kNamesPage) {
    play_page_->grid().HideBoard();
  } else if (page == kPlayPage) {
    if (session_.player().name.empty()) {
      {
        const QSignalBlocker program_change(ui_.TB);
        ui_.TB->setCurrentIndex(kNamesPage);
      }
      guard_.Inform(kNoPlayerYet);
      return;
    }
    play_page_->EnterPlayPage();
  } else if (page == kSummaryPage) {
    play_page_->grid().HideBoard();
    summary_page_->ShowSummary();
  }
}

void TTabla::EnterPlay(const QString& chosen, const players::PlayerToEnter& player) {
  {
    const QSignalBlocker program_change(ui_.TB);  // the tab click handler is the user's
    ui_.TB->setCurrentIndex(kPlayPage);
  }
  ShowPlayerInStatusBar();
  play_page_->EnterPlayPage();
  play_page_->TakePlayer(chosen, player);
}

void TTabla::ShowPlayerInStatusBar() {
  widgets::SetPlainText(ui_.sb_text,
                        QStringLiteral("Játékos neve: ") + names_page_->controls().Ekiv->text());
}

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
