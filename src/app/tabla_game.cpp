// The game clock, starting a game from a puzzle record, and the best times of the puzzle.
#include <QKeyEvent>
#include <QLineEdit>

#include "app/plain_label.h"
#include "app/tabla.h"
#include "board/game_clock.h"
#include "players/best_results.h"
#include "players/player_tables.h"
#include "puzzles/puzzle_table.h"

namespace kvadrix::app {

void TTabla::ConnectGameHandlers() {
  connect(ui_.T1, &QTimer::timeout, this, Guard([this] { T1Timer(); }));
  connect(ui_.CBBe, &QComboBox::currentTextChanged, this, Guard([this] { CBBeChange(); }));
  connect(ui_.Bbetoltes, &QPushButton::clicked, this, Guard([this] { BbetoltesClick(); }));
  connect(ui_.Bexcel, &QPushButton::clicked, this, Guard([this] { Bexcel2Click(); }));
  // Enter in the game number box loads; the box keeps every other key. The box holds the focus
  // for its edit and hands keys to it directly, past any filter on the edit.
  ui_.CBjatek->lineEdit()->setObjectName(QStringLiteral("CBjatekEdit"));
  ui_.CBjatek->installEventFilter(this);
}

// Ten times a second, from scratch: the clock is StartTime and now, never a counter.
void TTabla::T1Timer() {
  ui_.Lido->setText(QString::fromStdString(board::FormatTicks(session_.ElapsedTicks())));
}

void TTabla::ClearGame() {
  session_.ClearGame();
  PaintBoard();
  ui_.T1->stop();
  ui_.Lido->setText(QStringLiteral("00:00"));
}

void TTabla::FocusSelectedDigitButton() { ui_.digit_buttons[session_.DigitToFocus()]->setFocus(); }

// The PuzzleTable's current record becomes the game: givens, candidates, colours, clock.
void TTabla::StartGameFromPuzzle() {
  const puzzles::PuzzleRecord puzzle = puzzles::CurrentPuzzle(cds_);
  // A damaged record is refused whole, before anything reaches the grid.
  session_.StartPuzzle(puzzle.id, puzzle.givens, *this);
  PaintGame();
  ui_.T1->start();
  ui_.Bexcel->setEnabled(true);
  puzzles::ShowWholeLibrary(cds_);
  FocusSelectedDigitButton();
  ShowBestResults();
}

void TTabla::ShowBestResults() {
  FollowFile(cdsjatekosok_, players::kPlayerFile);
  FollowFile(cdsEredmenyek_, players::kResultFile);
  const players::BestResultTexts texts = players::ShowBestResults(
      cdsEredmenyek_, cdsjatekosok_, session_.player().key, session_.PuzzleId());
  ui_.Lnaeredmeny->setText(QString::fromStdString(texts.player_best));
  SetPlainText(ui_.Lnevvalaki, QString::fromStdString(texts.holder_name));
  ui_.Lnveredmeny->setText(QString::fromStdString(texts.record_time));
}

}  // namespace kvadrix::app
