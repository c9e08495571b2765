// Leaving the program: "Kilépés", Esc and closing the window all end here, and a game whose
// clock runs is remembered as unfinished.
#include <QCloseEvent>

#include "app/clock_panel.h"
#include "app/play_page.h"
#include "app/tabla.h"
#include "common/error.h"
#include "players/player_list.h"

namespace kvadrix::app {

void TTabla::Button1Click() { close(); }

void TTabla::closeEvent(QCloseEvent* event) {
  if (!FormClose()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

// When the game cannot be remembered (a damaged last-game file, a full disk), the refusal is
// shown and the player chooses: leave without it, or stay and go on with the game, and close
// again later.
bool TTabla::FormClose() {
  if (!session_.ClockRuns()) return true;
  const std::string failure = StoreGameInPlay();
  if (!failure.empty()) {
    guard_.Inform(failure);
    if (!guard_.Ask(players::kLeaveWithoutStoring)) return false;
  }
  session_.StopClock();  // remembered once, however often the window is closed
  play_page_->clock().Stop();
  return true;
}

std::string TTabla::StoreGameInPlay() {
  if (!session_.ClockRuns()) return {};
  try {
    const Outcome outcome =
        players::StoreUnfinishedGame(tables_.Players(), tables_.work_dir, session_.player().key,
                                     session_.PuzzleId(), session_.ElapsedTicks());
    return outcome.done ? std::string() : outcome.message;
  } catch (const Error& error) {
    return error.what();
  }
}

}  // namespace kvadrix::app
