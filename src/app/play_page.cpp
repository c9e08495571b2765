#include "app/play_page.h"

#include <QApplication>
#include <QPointer>

#include "app/accessibles.h"
#include "app/aids_panel.h"
#include "app/clock_panel.h"
#include "app/desktop_open.h"
#include "app/handler_guard.h"
#include "app/moves.h"
#include "app/results_panel.h"
#include "app/selection.h"
#include "app/widget_factory.h"
#include "common/error.h"
#include "export/board_export.h"
#include "players/player_text.h"
#include "widgets/ui_look.h"

namespace kvadrix::app {

// Everything sits in the strip above the grid, which covers the rest of the page; the parts are
// made in the order of the page's controls, which is also the order the Tab key walks them.
PlayPage::PlayPage(QWidget* window, QWidget* page, QWidget* grid_parent, game::GameSession& session,
                   TableSet& tables, HandlerGuard& guard, const Clock& clock)
    : session_(session), tables_(tables), guard_(guard), clock_(clock), grid_(session) {
  selection_ = std::make_unique<Selection>(page, *this, session, tables, guard);
  aids_ = std::make_unique<AidsPanel>(page, session, grid_, guard);
  moves_ = std::make_unique<Moves>(page, *this, session, tables, guard);
  results_ = std::make_unique<ResultsPanel>(page, session, tables);
  moves_->BuildDigitButtons(page);
  clock_panel_ = std::make_unique<ClockPanel>(page, window, session, guard);
  ui_.GroupBox10 = MakeGroup(page, "GroupBox10", QStringLiteral("Maradt "), QRect(522, 76, 70, 48));
  ui_.Lmaradt = MakeYellowLabel(ui_.GroupBox10, "Lmaradt", QStringLiteral("81"),
                                QRect(10, 17, 50, 24), 20, true);
  ui_.Lmaradt->setAlignment(Qt::AlignCenter);
  MakeLiveLabel(ui_.Lmaradt, QStringLiteral("Hátralévő mezők"));
  ui_.Button1 = MakeButton(page, "Button1", QStringLiteral("Kilépés"), QRect(640, 88, 110, 30));
  ui_.Button1->setFont(widgets::UiFont(13, true));
  grid_.Build(grid_parent, ui_.Lmaradt);
  moves_->ConnectMoveHandlers();
}

PlayPage::~PlayPage() = default;

std::vector<QWidget*> PlayPage::KeyedControls() const {
  const auto& digits = moves_->controls().digit_buttons;
  std::vector<QWidget*> keyed(digits.begin(), digits.end());
  for (QWidget* widget : aids_->KeyedControls()) keyed.push_back(widget);
  keyed.push_back(selection_->controls().Bbetoltes);
  // The buttons beside them too, so a digit key after any button still chooses the digit.
  keyed.push_back(selection_->controls().Bexcel);
  keyed.push_back(moves_->controls().Bundo);
  return keyed;
}

void PlayPage::EnterPlayPage() {
  moves_->DigitButtonClick(1);
  moves_->FocusDigitButton(1);
  grid_.ShowBoard();
}

void PlayPage::TakePlayer(const QString& chosen, const players::PlayerToEnter& player) {
  results_->ShowPlayerName(chosen);
  session_.SetPlayer({players::CurrentPlayerName(chosen.toStdString()), player.key});
  if (player.szint) aids_->CheckPreset(*player.szint);  // its preset runs when this changes it
  ClearGame();
  OfferLastGame();
}

void PlayPage::OfferLastGame() {
  const players::LastGameOffer offer =
      players::LookUpLastGame(tables_.cdsUtolso, tables_.work_dir, session_.player().key);
  switch (offer.kind) {
    case players::LastGameOffer::Kind::kNone:
      ClearGame();
      guard_.Inform(offer.text);
      break;
    case players::LastGameOffer::Kind::kDamaged:
      guard_.Inform(offer.text);
      break;
    case players::LastGameOffer::Kind::kFinished:
      session_.SetPuzzleId(offer.puzzle_id);
      if (guard_.Ask(offer.text)) selection_->LoadNextPuzzle();
      break;
    case players::LastGameOffer::Kind::kUnfinished:
      session_.SetPuzzleId(offer.puzzle_id);
      if (guard_.Ask(offer.text)) selection_->ReloadCurrentPuzzle();
      break;
  }
}

void PlayPage::ClearGame() {
  session_.ClearGame();
  grid_.PaintBoard();
  clock_panel_->Clear();
}

// "Excel-be": the grid as a new workbook in the user's documents, handed to the desktop's
// spreadsheet program, which opens it on its own while the game goes on. When nothing opens it,
// the message says where the workbook is.
void PlayPage::Bexcel2Click() {
  const std::filesystem::path folder =
      export_target_.folder.empty() ? DocumentsFolder() : export_target_.folder;
  const auto open = export_target_.open ? export_target_.open : OpenWithDesktop;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::filesystem::path file;
  try {
    file = sheet::ExportBoard(session_.state().board, folder,
                              sheet::ExportName(session_.PuzzleId(), clock_.Now()));
  } catch (const Error&) {
    // Reported below, as a failed opening is.
  }
  QApplication::restoreOverrideCursor();
  if (file.empty()) return guard_.Inform(sheet::kExportFailedMessage);
  // The window may be gone by the time the desktop answers.
  open(file, [page = QPointer<PlayPage>(this), file](bool opened) {
    if (opened || page == nullptr) return;
    page->guard_.Inform(std::string(sheet::kExportFailedMessage) + "\r\n" +
                        std::string(sheet::kExportSavedAt) + file.string());
  });
}

}  // namespace kvadrix::app
