// Entering play with "Tovább", the last game, and remembering an unfinished game at closing.
#include <QCloseEvent>
#include <QSignalBlocker>

#include "app/core_text.h"
#include "app/plain_label.h"
#include "app/tabla.h"
#include "board/game_clock.h"
#include "common/error.h"
#include "players/best_results.h"
#include "players/last_game.h"
#include "players/player_list.h"
#include "players/player_text.h"

namespace kvadrix::app {

void TTabla::closeEvent(QCloseEvent* event) {
  if (!FormClose()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void TTabla::BtovabbClick() {
  const QString chosen = ui_.Ekiv->text();
  // The list shows whom the user chose from, whatever the table read since.
  const bool listed = !ui_.Mnevek->findItems(chosen, Qt::MatchExactly).isEmpty();
  const players::PlayerToEnter player =
      players::FindPlayerToEnter(cdsjatekosok_, work_dir_, chosen.toStdString(), listed);
  if (player.gone) {
    ReloadPlayerListFollowingChoice();
    Inform(players::kPlayerGone);
    return;
  }
  {
    const QSignalBlocker program_change(ui_.TB);  // the tab click handler is the user's
    ui_.TB->setCurrentIndex(kPlayPage);
  }
  EnterPlayPage();
  SetPlainText(ui_.Lnevaki, chosen + FromCore(players::kBestSuffix));
  session_.SetPlayer({players::CurrentPlayerName(chosen.toStdString()), player.key});
  if (player.szint) {
    QRadioButton* const presets[] = {ui_.rbk, ui_.rbh, ui_.rbm};
    presets[*player.szint - 1]->setChecked(true);  // its preset runs when this changes it
  }
  ClearGame();

  const players::LastGameOffer offer =
      players::LookUpLastGame(cdsUtolso_, work_dir_, session_.player().key);
  switch (offer.kind) {
    case players::LastGameOffer::Kind::kNone:
      ClearGame();
      Inform(offer.text);
      break;
    case players::LastGameOffer::Kind::kDamaged:
      Inform(offer.text);
      break;
    case players::LastGameOffer::Kind::kFinished:
      session_.SetPuzzleId(offer.puzzle_id);
      if (dialogs_.Ask(offer.text)) LoadNextPuzzle();
      break;
    case players::LastGameOffer::Kind::kUnfinished:
      session_.SetPuzzleId(offer.puzzle_id);
      if (dialogs_.Ask(offer.text)) ReloadCurrentPuzzle();
      break;
  }
}

void TTabla::ShowPlayerInStatusBar() {
  SetPlainText(ui_.sb_text, QStringLiteral("Játékos neve: ") + ui_.Ekiv->text());
}

void TTabla::EnterPlayPage() {
  ShowPlayerInStatusBar();
  session_.SelectDigit(1);
  ui_.digit_buttons[1]->setFocus();
  ShowBoard();
}

// Whatever closes the window: a game whose clock runs is remembered as unfinished. When it
// cannot be (a damaged last-game file, a full disk), the refusal is shown and the player
// chooses: leave without it, or stay and go on with the game, and close again later.
bool TTabla::FormClose() {
  if (!session_.ClockRuns()) return true;
  const std::string failure = StoreGameInPlay();
  if (!failure.empty()) {
    Inform(failure);
    if (!dialogs_.Ask(std::string(players::kLeaveWithoutStoring))) return false;
  }
  session_.StopClock();  // remembered once, however often the window is closed
  ui_.T1->stop();
  return true;
}

std::string TTabla::StoreGameInPlay() {
  if (!session_.ClockRuns()) return {};
  try {
    const Outcome outcome = players::StoreUnfinishedGame(
        {cdsjatekosok_, cdsEredmenyek_, cdsUtolso_}, work_dir_, session_.player().key,
        session_.PuzzleId(), session_.ElapsedTicks());
    return outcome.done ? std::string() : outcome.message;
  } catch (const Error& error) {
    return error.what();
  }
}

}  // namespace kvadrix::app
