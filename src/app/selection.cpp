#include "app/selection.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

#include "app/clock_panel.h"
#include "app/control_names.h"
#include "app/core_text.h"
#include "app/handler_guard.h"
#include "app/moves.h"
#include "app/play_page.h"
#include "app/results_panel.h"
#include "app/widget_factory.h"
#include "puzzles/levels.h"
#include "puzzles/puzzle_table.h"

namespace kvadrix::app {
namespace {

// Texts set by the program do not run the level box's handler.
void SetTextQuietly(QComboBox* box, const std::optional<std::string>& text) {
  if (!text) return;
  const QSignalBlocker block(box);
  box->setCurrentText(QString::fromStdString(*text));
}

}  // namespace

Selection::Selection(QWidget* page, PlayPage& play, game::GameSession& session, TableSet& tables,
                     HandlerGuard& guard)
    : play_(play), session_(session), tables_(tables), guard_(guard) {
  Build(page);
  NameControl(ui_.CBBe, QStringLiteral("Nehézség"));
  NameControl(ui_.CBjatek, QStringLiteral("Sorszám"));
  connect(ui_.CBBe, &QComboBox::currentTextChanged, this, guard.Wrap([this] { CBBeChange(); }));
  connect(ui_.Bbetoltes, &QPushButton::clicked, this, guard.Wrap([this] { BbetoltesClick(); }));
  connect(ui_.Bexcel, &QPushButton::clicked, this, guard.Wrap([this] { play_.Bexcel2Click(); }));
  // Enter in the game number box loads (see Keys); the box keeps every other key.
  ui_.CBjatek->lineEdit()->setObjectName(QStringLiteral("CBjatekEdit"));
}

void Selection::Build(QWidget* page) {
  ui_.GroupBox16 =
      MakeGroup(page, "GroupBox16", QStringLiteral("Játék betöltése "), QRect(0, 0, 170, 73));
  ui_.CBBe = Named(new QComboBox(ui_.GroupBox16), "CBBe", QRect(8, 18, 78, 22));
  ui_.CBBe->setEditable(true);
  ui_.CBBe->setInsertPolicy(QComboBox::NoInsert);
  for (const puzzles::Level& level : puzzles::kLevels) ui_.CBBe->addItem(FromCore(level.name));
  ui_.CBBe->addItem(QString());  // no level: "Betöltés" asks for one
  ui_.CBjatek = Named(new QComboBox(ui_.GroupBox16), "CBjatek", QRect(89, 18, 41, 22));
  ui_.CBjatek->setEditable(true);
  ui_.CBjatek->setInsertPolicy(QComboBox::NoInsert);
  ui_.Ldb = MakeYellowLabel(ui_.GroupBox16, "Ldb", QStringLiteral("(0)"), QRect(136, 21, 32, 16));
  ui_.Bbetoltes =
      MakeButton(ui_.GroupBox16, "Bbetoltes", QStringLiteral("Betöltés"), QRect(8, 45, 76, 22));
  ui_.Bexcel =
      MakeButton(ui_.GroupBox16, "Bexcel", QStringLiteral("Excel-be"), QRect(88, 45, 76, 22));
  ui_.Bexcel->setEnabled(false);
}

void Selection::PrepareFirstLevel() {
  const QSignalBlocker block_level(ui_.CBBe);
  ShowGameNumbers(puzzles::PrepareFirstLevel(tables_.cds));
  ui_.CBBe->setCurrentText(FromCore(puzzles::kLevels.front().name));
}

void Selection::CBBeChange() {
  ShowGameNumbers(puzzles::ChangeLevel(tables_.cds, ui_.CBBe->currentText().toStdString()));
}

void Selection::ShowGameNumbers(const puzzles::GameNumberList& list) {
  const QSignalBlocker quiet(ui_.CBjatek);
  ui_.Ldb->setText(QString::fromStdString(list.count_label));
  ui_.CBjatek->clear();
  QStringList items;  // added at once: one by one, a few hundred cost a millisecond at start
  items.reserve(qsizetype(list.items.size()));
  for (const std::string& item : list.items) items << QString::fromStdString(item);
  ui_.CBjatek->addItems(items);
  ui_.CBjatek->setCurrentText(QString::fromStdString(list.text));
}

bool Selection::BbetoltesClick() {
  play_.grid().ResetBoard();
  const puzzles::LoadChoice choice = puzzles::ChoosePuzzle(
      tables_.cds, ui_.CBBe->currentText().toStdString(), ui_.CBjatek->currentText().toStdString());
  if (!choice.done) {
    if (!choice.keeps_export) ui_.Bexcel->setEnabled(false);
    guard_.Inform(choice.message);
    return false;
  }
  StartGameFromPuzzle();
  return true;
}

void Selection::CBjatekKeyPress(QChar key) {
  // A refused load, or its error, ends the handler where it stands.
  if (key == QChar(13) && BbetoltesClick()) play_.moves().FocusDigitButton(1);
}

void Selection::StartGameFromPuzzle() {
  const puzzles::PuzzleRecord puzzle = puzzles::CurrentPuzzle(tables_.cds);
  // A damaged record is refused whole, before anything reaches the grid.
  session_.StartPuzzle(puzzle.id, puzzle.givens, play_.grid());
  play_.moves().PaintGame();
  play_.clock().Start();
  ui_.Bexcel->setEnabled(true);
  puzzles::ShowWholeLibrary(tables_.cds);
  play_.moves().FocusSelectedDigitButton();
  play_.results().ShowBestResults();
}

void Selection::LoadNextPuzzle() {
  play_.ClearGame();
  StartFoundPuzzle(puzzles::FindNextPuzzle(tables_.cds, session_.PuzzleId()));
}

void Selection::ReloadCurrentPuzzle() {
  play_.ClearGame();
  StartFoundPuzzle(puzzles::FindCurrentPuzzle(tables_.cds, session_.PuzzleId()));
}

void Selection::StartFoundPuzzle(const puzzles::NextPuzzle& found) {
  switch (found.action) {
    case puzzles::NextPuzzle::Action::kNothing:
      return;
    case puzzles::NextPuzzle::Action::kNoMore:
      guard_.Inform(puzzles::kNoMorePuzzles);
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
