// Playing: the 81 cells' clicks, "Vissza", "Csak 1" and "Teljes". The rules are the core's
// (solver/moves.h and friends); these handlers read the controls, call it, repaint the grid from
// the game state and then show what the move returned: a message, or the end of the game.
#include "app/tabla.h"
#include "players/completion_records.h"

namespace kvadrix::app {
namespace {

// Handlers that move repaint once when they end, however they end.
class RepaintWhenDone {
 public:
  explicit RepaintWhenDone(TTabla& window) : window_(window) {}
  ~RepaintWhenDone() { window_.PaintGame(); }
  RepaintWhenDone(const RepaintWhenDone&) = delete;
  RepaintWhenDone& operator=(const RepaintWhenDone&) = delete;

 private:
  TTabla& window_;
};

}  // namespace

void TTabla::ConnectMoveHandlers() {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      connect(ui_.digit_labels[row][col], &ClickableLabel::clicked, this,
              Guard([this, row, col] { LClick(row, col); }));
    }
  }
  connect(ui_.Bundo, &QPushButton::clicked, this, Guard([this] { BundoClick(); }));
  connect(ui_.Bcsak1, &QPushButton::clicked, this, Guard([this] { Bcsak1Click(); }));
  connect(ui_.Bteljes, &QPushButton::clicked, this, Guard([this] { BteljesClick(); }));
}

void TTabla::PaintGame() {
  PaintBoard();
  ui_.Bundo->setEnabled(game().undo_log.MoveCount() > 0);
}

void TTabla::LClick(int row, int col) {
  const RepaintWhenDone repaint(*this);
  AfterMove(session_.Click(row, col));
}

void TTabla::BundoClick() {
  const RepaintWhenDone repaint(*this);
  AfterMove(session_.TakeBack());
}

void TTabla::Bcsak1Click() {
  const RepaintWhenDone repaint(*this);
  AfterMove(session_.PlaceOne());
}

void TTabla::BteljesClick() {
  const RepaintWhenDone repaint(*this);  // once at the end: a long run stays fast
  AfterMove(session_.SolveAsFarAsPossible());
}

void TTabla::AfterMove(const solver::MoveOutcome& outcome) {
  if (outcome.message.empty() && !outcome.Completed()) return;
  PaintGame();  // what follows is shown over the grid as the move left it
  if (!outcome.message.empty()) Inform(outcome.message);
  if (outcome.Completed()) FinishGame();
}

void TTabla::FinishGame() {
  // A result that cannot be saved throws before the clock stops: nothing is recorded and the
  // game goes on, so filling the cell again once the file can be written records it.
  const Outcome recorded =
      session_.RecordCompletion({cdsjatekosok_, cdsEredmenyek_, cdsUtolso_}, work_dir_);
  ui_.T1->stop();  // Lido keeps its last text
  if (!recorded.done) {
    Inform(recorded.message);
    return;
  }
  if (!dialogs_.Ask(players::CompletionQuestion(ui_.Lido->text().toStdString()))) return;
  // A puzzle that cannot start is reported here; the recorded result stays as it is.
  Guarded([this] { LoadNextPuzzle(); });
}

}  // namespace kvadrix::app
