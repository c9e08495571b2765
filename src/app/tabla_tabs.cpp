// The tab control: the grid shows only on the play page, the play page waits for a player, and
// the summary page is rebuilt every time it is opened.
#include <QSignalBlocker>

#include "app/grid.h"
#include "app/names_page.h"
#include "app/play_page.h"
#include "app/summary_page.h"
#include "app/tabla.h"
#include "widgets/plain_label.h"

namespace kvadrix::app {
namespace {

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

}  // namespace kvadrix::app
