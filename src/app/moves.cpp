#include "app/moves.h"

#include "app/aids_panel.h"
#include "app/clock_panel.h"
#include "app/grid.h"
#include "app/handler_guard.h"
#include "app/play_page.h"
#include "app/selection.h"
#include "app/widget_factory.h"
#include "players/completion_records.h"
#include "widgets/ui_look.h"

namespace kvadrix::app {
namespace {

// Handlers that move repaint once when they end, however they end.
class RepaintWhenDone {
 public:
  explicit RepaintWhenDone(Moves& moves) : moves_(moves) {}
  ~RepaintWhenDone() { moves_.PaintGame(); }
  RepaintWhenDone(const RepaintWhenDone&) = delete;
  RepaintWhenDone& operator=(const RepaintWhenDone&) = delete;

 private:
  Moves& moves_;
};

}  // namespace

Moves::Moves(QWidget* page, PlayPage& play, game::GameSession& session, TableSet& tables,
             HandlerGuard& guard)
    : play_(play), session_(session), tables_(tables), guard_(guard) {
  ui_.Bundo = MakeButton(page, "Bundo", QStringLiteral("Vissza"), QRect(492, 40, 42, 17));
  ui_.Bundo->setEnabled(false);
}

void Moves::BuildDigitButtons(QWidget* page) {
  ui_.UDO = MakeGroup(page, "UDO", QStringLiteral("Számbeállítás "), QRect(0, 76, 392, 48));
  for (int i = 0; i < 10; ++i) {
    const int digit = i < 9 ? i + 1 : 0;  // left to right: 1..9, then the eraser
    const QString caption = digit ? QString::number(digit) : QStringLiteral("_");
    const QByteArray name = QStringLiteral("B%1").arg(digit).toLatin1();
    QPushButton* button =
        MakeButton(ui_.UDO, name.constData(), caption, QRect(10 + 38 * i, 17, 30, 25));
    button->setFont(widgets::UiFont(13, true));
    // The chosen digit shows as a pressed button, not only by the focus frame.
    button->setCheckable(true);
    ui_.digit_buttons[digit] = button;
  }
}

void Moves::ConnectMoveHandlers() {
  // Whatever presses a digit button down chooses its digit: a click, Space, or an assistive
  // tool's toggle action, which toggles a checkable button without clicking it. Letting the
  // chosen one up leaves it chosen, and pressed, as a click on it does.
  for (int digit = 0; digit <= 9; ++digit) {
    connect(ui_.digit_buttons[digit], &QPushButton::toggled, this, [this, digit](bool down) {
      guard_.Run([this, digit, down] {
        const bool chosen = session_.state().selected_digit == digit;
        if (down && !chosen) DigitButtonClick(digit);
        if (!down && chosen) ShowSelectedDigit();
      });
    });
  }
  const Grid::Controls& grid = play_.grid().controls();
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      connect(grid.digit_labels[row][col], &widgets::ClickableLabel::clicked, this,
              guard_.Wrap([this, row, col] { LClick(row, col); }));
    }
  }
  // The digit keys on the grid choose the digit and leave the focus on the grid.
  grid.cursor->OnDigitKey(
      [this](int digit) { guard_.Run([this, digit] { DigitButtonClick(digit); }); });
  const AidsPanel::Controls& aids = play_.aids().controls();
  connect(ui_.Bundo, &QPushButton::clicked, this, guard_.Wrap([this] { BundoClick(); }));
  connect(aids.Bcsak1, &QPushButton::clicked, this, guard_.Wrap([this] { Bcsak1Click(); }));
  connect(aids.Bteljes, &QPushButton::clicked, this, guard_.Wrap([this] { BteljesClick(); }));
}

void Moves::DigitButtonClick(int digit) {
  session_.SelectDigit(digit);
  ShowSelectedDigit();
}

void Moves::ShowSelectedDigit() {
  const int selected = session_.state().selected_digit;
  // A click toggles a checkable button; the chosen one stays pressed all the same.
  for (int digit = 0; digit <= 9; ++digit) ui_.digit_buttons[digit]->setChecked(digit == selected);
}

void Moves::FocusDigitButton(int digit) { ui_.digit_buttons[digit]->setFocus(); }

void Moves::FocusSelectedDigitButton() {
  FocusDigitButton(session_.DigitToFocus());
  ShowSelectedDigit();
}

void Moves::PaintGame() {
  play_.grid().PaintBoard();
  ShowSelectedDigit();  // "Csak 1" and "Teljes" choose the digit they place
  ui_.Bundo->setEnabled(session_.state().undo_log.MoveCount() > 0);
}

void Moves::LClick(int row, int col) {
  const RepaintWhenDone repaint(*this);
  AfterMove(session_.Click(row, col));
}

void Moves::BundoClick() {
  const RepaintWhenDone repaint(*this);
  AfterMove(session_.TakeBack());
}

void Moves::Bcsak1Click() {
  const RepaintWhenDone repaint(*this);
  AfterMove(session_.PlaceOne());
}

void Moves::BteljesClick() {
  const RepaintWhenDone repaint(*this);  // once at the end: a long run stays fast
  AfterMove(session_.SolveAsFarAsPossible());
}

void Moves::AfterMove(const solver::MoveOutcome& outcome) {
  if (outcome.message.empty() && !outcome.Completed()) return;
  PaintGame();  // what follows is shown over the grid as the move left it
  if (!outcome.message.empty()) guard_.Inform(outcome.message);
  if (outcome.Completed()) FinishGame();
}

void Moves::FinishGame() {
  // A result that cannot be saved throws before the clock stops: nothing is recorded and the
  // game goes on, so filling the cell again once the file can be written records it.
  const Outcome recorded = session_.RecordCompletion(tables_.Players(), tables_.work_dir);
  play_.clock().Stop();
  if (!recorded.done) {
    guard_.Inform(recorded.message);
    return;
  }
  if (!guard_.Ask(players::CompletionQuestion(play_.clock().Text().toStdString()))) return;
  // A puzzle that cannot start is reported here; the recorded result stays as it is.
  guard_.Run([this] { play_.selection().LoadNextPuzzle(); });
}

}  // namespace kvadrix::app
