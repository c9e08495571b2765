// Choosing a puzzle by level and game number, and moving to the next or the same puzzle.
#include "app/tabla.h"
#include "puzzles/puzzle_selection.h"

namespace kvadrix::app {

void TTabla::CBBeChange() {
  ShowGameNumbers(puzzles::ChangeLevel(cds_, ui_.CBBe->currentText().toStdString()));
}

void TTabla::ShowGameNumbers(const puzzles::GameNumberList& list) {
  const QSignalBlocker quiet(ui_.CBjatek);
  ui_.Ldb->setText(QString::fromStdString(list.count_label));
  ui_.CBjatek->clear();
  QStringList items;  // added at once: one by one, a few hundred cost a millisecond at start
  items.reserve(qsizetype(list.items.size()));
  for (const std::string& item : list.items) items << QString::fromStdString(item);
  ui_.CBjatek->addItems(items);
  ui_.CBjatek->setCurrentText(QString::fromStdString(list.text));
}

bool TTabla::BbetoltesClick() {
  ResetBoard();
  const puzzles::LoadChoice choice = puzzles::ChoosePuzzle(
      cds_, ui_.CBBe->currentText().toStdString(), ui_.CBjatek->currentText().toStdString());
  if (!choice.done) {
    if (!choice.keeps_export) ui_.Bexcel->setEnabled(false);
    Inform(choice.message);
    return false;
  }
  StartGameFromPuzzle();
  return true;
}

void TTabla::CBjatekKeyPress(QChar key) {
  // A refused load, or its error, ends the handler where it stands.
  if (key == QChar(13) && BbetoltesClick()) ui_.digit_buttons[1]->setFocus();
}

namespace {

// Texts set by the program do not run the level box's handler.
void SetTextQuietly(QComboBox* box, const std::optional<std::string>& text) {
  if (!text) return;
  const QSignalBlocker block(box);
  box->setCurrentText(QString::fromStdString(*text));
}

}  // namespace

void TTabla::LoadNextPuzzle() {
  ClearGame();
  StartFoundPuzzle(puzzles::FindNextPuzzle(cds_, session_.PuzzleId()));
}

void TTabla::ReloadCurrentPuzzle() {
  ClearGame();
  StartFoundPuzzle(puzzles::FindCurrentPuzzle(cds_, session_.PuzzleId()));
}

void TTabla::StartFoundPuzzle(const puzzles::NextPuzzle& found) {
  switch (found.action) {
    case puzzles::NextPuzzle::Action::kNothing:
      return;
    case puzzles::NextPuzzle::Action::kNoMore:
      Inform(puzzles::kNoMorePuzzles);
      return;
    case puzzles::NextPuzzle::Action::kStart:
      session_.SetPuzzleId(found.id);
      SetTextQuietly(ui_.CBBe, found.level_text);
      SetTextQuietly(ui_.CBjatek, found.number_text);
      StartGameFromPuzzle();
      return;
  }
}

}  // namespace kvadrix::app
