#pragma once
// "Játék betöltése": choosing a puzzle by level and game number, starting the PuzzleTable's
// current record as the game, and moving on to the next or the same puzzle by identifier.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>

#include "app/table_set.h"
#include "game/game_session.h"
#include "puzzles/puzzle_selection.h"

namespace kvadrix::app {

class HandlerGuard;
class PlayPage;

class Selection : public QObject {
 public:
  struct Controls {
    QGroupBox* GroupBox16 = nullptr;
    QComboBox* CBBe = nullptr;
    QComboBox* CBjatek = nullptr;
    QLabel* Ldb = nullptr;
    QPushButton* Bbetoltes = nullptr;
    QPushButton* Bexcel = nullptr;
  };

  // `play` is the page around it, which paints and times the game it starts.
  Selection(QWidget* page, PlayPage& play, game::GameSession& session, TableSet& tables,
            HandlerGuard& guard);
  const Controls& controls() const { return ui_; }

  // The selectors start on the first level, without running the level box's handler.
  void PrepareFirstLevel();
  void CBBeChange();
  bool BbetoltesClick();  // true when a game started
  void CBjatekKeyPress(QChar key);

  // The PuzzleTable's current record becomes the game: givens, candidates, colours, clock.
  void StartGameFromPuzzle();
  void LoadNextPuzzle();
  void ReloadCurrentPuzzle();

 private:
  void Build(QWidget* page);
  void StartFoundPuzzle(const puzzles::NextPuzzle& found);
  void ShowGameNumbers(const puzzles::GameNumberList& list);  // Ldb and CBjatek

  PlayPage& play_;
  game::GameSession& session_;
  TableSet& tables_;
  HandlerGuard& guard_;
  Controls ui_;
};

}  // namespace kvadrix::app
