// The tab control's handler: the grid shows only on the play page, the play page waits for a
// player, and the summary page is rebuilt every time it is opened.
#include <QSignalBlocker>

#include "app/summary_model.h"
#include "app/tabla.h"
#include "players/player_tables.h"
#include "players/summary.h"

namespace kvadrix::app {
namespace {

constexpr int kFirstPlayerColumn = 2;
constexpr char kNoPlayerYet[] = "Nincs még kiválasztva egyetlen név se, így nem léphetsz tovább!";

}  // namespace

// Runs for the user's page changes only; the program changes pages with the signals blocked.
void TTabla::TBClick(int page) {
  ShowPlayerInStatusBar();
  if (page == kNamesPage) {
    HideBoard();
  } else if (page == kPlayPage) {
    if (session_.player().name.empty()) {
      {
        const QSignalBlocker program_change(ui_.TB);
        ui_.TB->setCurrentIndex(kNamesPage);
      }
      Inform(kNoPlayerYet);
      return;
    }
    EnterPlayPage();
  } else if (page == kSummaryPage) {
    HideBoard();
    FollowFile(cdsjatekosok_, players::kPlayerFile);
    FollowFile(cdsEredmenyek_, players::kResultFile);
    const players::SummaryBuild built =
        players::BuildSummary(cdsOsszes_, cdsjatekosok_, cds_, cdsEredmenyek_);
    if (!built.message.empty()) {
      Inform(built.message);
      return;
    }
    const int player_count = int(built.player_names.size());
    for (int k = 0; k < players::kSummaryPlayerColumns; ++k) {
      const int column = kFirstPlayerColumn + k;
      // A column of a deleted player goes away rather than keep a stale title.
      ui_.Racs->setColumnHidden(column, k >= player_count);
      if (k < player_count) {
        summary_model_->SetTitle(column, QString::fromStdString(built.player_names[k]) +
                                             QString::fromUtf8(players::kBestSuffix));
      }
    }
    summary_model_->Refresh();
  }
}

}  // namespace kvadrix::app
