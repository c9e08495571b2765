#pragma once
// Playing: the digit buttons of "Számbeállítás", the 81 cells' clicks, "Vissza", "Csak 1" and
// "Teljes". The rules are the core's (solver/moves.h and friends); these handlers call the
// session, repaint the grid from it and then show what the move returned: a message, or the end
// of the game.
#include <QGroupBox>
#include <QObject>
#include <QPushButton>
#include <array>

#include "app/table_set.h"
#include "game/game_session.h"
#include "solver/move_outcome.h"

namespace kvadrix::app {

class HandlerGuard;
class PlayPage;

class Moves : public QObject {
 public:
  struct Controls {
    QPushButton* Bundo = nullptr;
    QGroupBox* UDO = nullptr;
    std::array<QPushButton*, 10> digit_buttons{};  // [d] is B<d>; [0] is B0, the eraser
  };

  // Builds "Vissza"; the digit buttons come with BuildDigitButtons, in their place on the page.
  Moves(QWidget* page, PlayPage& play, game::GameSession& session, TableSet& tables,
        HandlerGuard& guard);
  const Controls& controls() const { return ui_; }
  void BuildDigitButtons(QWidget* page);
  // Once the grid is built: its cells' clicks, and "Csak 1" and "Teljes" of the aids.
  void ConnectMoveHandlers();

  void DigitButtonClick(int digit);  // B1Click..B9Click, B0Click
  void FocusDigitButton(int digit);
  void ShowSelectedDigit();
  void FocusSelectedDigitButton();
  void PaintGame();  // the board, the count and "Vissza"

  void LClick(int row, int col);  // L11Click..L99Click
  void BundoClick();
  void Bcsak1Click();
  void BteljesClick();

 private:
  // Shows the move's message, or ends a completed game: records the result, asks the question
  // and starts the next puzzle.
  void AfterMove(const solver::MoveOutcome& outcome);
  void FinishGame();

  PlayPage& play_;
  game::GameSession& session_;
  TableSet& tables_;
  HandlerGuard& guard_;
  Controls ui_;
};

}  // namespace kvadrix::app
