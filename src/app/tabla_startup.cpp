// Creating and activating the main window.
#include <QEvent>
#include <QTimer>
#include <chrono>

#include "app/grid.h"
#include "app/input_hold.h"
#include "app/moves.h"
#include "app/names_page.h"
#include "app/play_page.h"
#include "app/selection.h"
#include "app/tabla.h"
#include "puzzles/puzzle_table.h"
#include "tables/file_io.h"

namespace kvadrix::app {
namespace {

constexpr int kWindowWidth = 805;
constexpr int kWindowHeight = 731;  // also the smallest the window may be made
constexpr int kTallScreenExtra = 20;
constexpr int kTallScreen = 768;
constexpr int kSmallScreenWidth = 1024;
constexpr std::chrono::milliseconds kFirstFrameWait{300};

}  // namespace

void TTabla::FormCreate() {
  const QSize screen = screen_size_();
  const int height =
      screen.height() > kTallScreen ? kWindowHeight + kTallScreenExtra : kWindowHeight;
  setMinimumSize(kWindowWidth, kWindowHeight);
  resize(kWindowWidth, height);
  move((screen.width() - kWindowWidth) / 2, (screen.height() - height) / 2);

  session_.SetPlayer({});
  startup_failed_ = false;

  if (!tables::EntryExists(tables_.File(puzzles::kPuzzleFile))) {
    guard_.Inform(puzzles::kMissingPuzzleFile);
    startup_failed_ = true;
    return;
  }
  tables_.LoadAtStart(guard_);
  play_page_->selection().controls().Bexcel->setEnabled(false);
  session_.ResetBoard();  // the labels already show their first captions
  play_page_->moves().DigitButtonClick(1);
  tables_.cdsOsszes.CreateDataSet();
  play_page_->selection().PrepareFirstLevel();
  names_page_->ListPlayersAtStart();
  input_hold_ = std::make_unique<InputHold>(this);
}

void TTabla::LoadPlayHistory() {
  if (startup_failed_ || tables_.PlayHistoryStarted()) return;
  tables_.LoadPlayHistory(this, [this](const std::vector<std::string>& errors) {
    for (const std::string& error : errors) guard_.Inform(error);
    input_hold_->Release();
  });
}

// The play history is read once the first frame is on the screen, so reading it takes nothing
// from the frame; if no frame comes soon after showing (an unmapped window), it is read anyway.
bool TTabla::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::UpdateRequest) {
    LoadPlayHistory();
  } else if (event->type() == QEvent::Show && !tables_.PlayHistoryStarted()) {
    QTimer::singleShot(kFirstFrameWait, this, [this] { LoadPlayHistory(); });
  }
  return handled;
}

void TTabla::FormActivate() {
  if (startup_failed_) {
    close();
    return;
  }
  const QSize screen = screen_size_();
  if (screen.width() <= kSmallScreenWidth && screen.height() <= kTallScreen) move(x(), 0);
  if (ui_.TB->currentIndex() != kNamesPage) return;
  play_page_->grid().HideBoard();
  names_page_->FocusFirstButton();
}

void TTabla::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    guard_.Run([this] { FormActivate(); });
    if (!startup_failed_) names_page_->FollowPlayerList();
  }
}

}  // namespace kvadrix::app
