// Creating and activating the main window, and the player list that start-up and player
// management share.
#include <QEvent>

#include "app/core_text.h"
#include "app/tabla.h"
#include "common/error.h"
#include "players/player_list.h"
#include "players/player_tables.h"
#include "puzzles/levels.h"
#include "puzzles/puzzle_selection.h"
#include "puzzles/puzzle_table.h"
#include "tables/file_io.h"
#include "tables/folder_lock.h"

namespace kvadrix::app {
namespace {

constexpr int kWindowWidth = 805;
constexpr int kWindowHeight = 731;  // also the smallest the window may be made
constexpr int kTallScreenExtra = 20;
constexpr int kTallScreen = 768;
constexpr int kSmallScreenWidth = 1024;

}  // namespace

void TTabla::FormCreate() {
  const QSize screen = screen_size_();
  const int height =
      screen.height() > kTallScreen ? kWindowHeight + kTallScreenExtra : kWindowHeight;
  setMinimumSize(kWindowWidth, kWindowHeight);
  resize(kWindowWidth, height);
  move((screen.width() - kWindowWidth) / 2, (screen.height() - height) / 2);

  session_.SetPlayer({});
  player_count_ = 0;
  startup_failed_ = false;

  if (!tables::EntryExists(FilePath(puzzles::kPuzzleFile))) {
    Inform(puzzles::kMissingPuzzleFile);
    startup_failed_ = true;
    return;
  }
  // A change across several files that a killed window left half done is finished first.
  Guarded([this] { const tables::FolderLock finish_interrupted(work_dir_); });
  // Each table file loads on its own: a damaged one is reported and stays closed, so its later
  // uses repeat its error and its file is never saved over, while the other tables work.
  Guarded([this] { puzzles::LoadPuzzleTable(cds_, FilePath(puzzles::kPuzzleFile)); });
  Guarded([this] { players::LoadOrCreate(cdsEredmenyek_, FilePath(players::kResultFile)); });
  Guarded([this] { players::LoadOrCreate(cdsUtolso_, FilePath(players::kLastGameFile)); });
  ui_.Bexcel->setEnabled(false);
  session_.ResetBoard();  // the labels already show their first captions
  session_.SelectDigit(1);
  cdsOsszes_.CreateDataSet();
  PrepareFirstLevel();
  if (tables::EntryExists(FilePath(players::kPlayerFile))) {
    Guarded([this] {
      ReloadPlayerList();
      if (player_count_ != 0) ui_.Ekiv->setText(ui_.Mnevek->item(0)->text());
    });
  } else {
    cdsjatekosok_.CreateDataSet();
    ui_.Bmod->setEnabled(false);
    ui_.Btorol->setEnabled(false);
    ui_.Btovabb->setEnabled(false);
  }
}

// The puzzle selectors start on the first level, without running the level box's handler.
void TTabla::PrepareFirstLevel() {
  const QSignalBlocker block_level(ui_.CBBe);
  ShowGameNumbers(puzzles::PrepareFirstLevel(cds_));
  ui_.CBBe->setCurrentText(FromCore(puzzles::kLevels.front().name));
}

void TTabla::FormActivate() {
  if (startup_failed_) {
    close();
    return;
  }
  const QSize screen = screen_size_();
  if (screen.width() <= kSmallScreenWidth && screen.height() <= kTallScreen) move(x(), 0);
  if (ui_.TB->currentIndex() != kNamesPage) return;
  HideBoard();
  if (cdsjatekosok_.Active()) {
    (cdsjatekosok_.RecordCount() >= 1 ? ui_.Btovabb : ui_.Bhozza)->setFocus();
  }
}

void TTabla::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    Guarded([this] { FormActivate(); });
    FollowPlayerList();
  }
}

bool TTabla::FollowFile(tables::TableStore& store, std::string_view file) {
  try {
    return store.Refresh(FilePath(file));
  } catch (const Error&) {
    return false;  // a damaged file: its store says so where it is used
  }
}

// Coming back to the window shows the players another window added or deleted meanwhile.
void TTabla::FollowPlayerList() {
  if (startup_failed_ || !cdsjatekosok_.Active()) return;
  if (!FollowFile(cdsjatekosok_, players::kPlayerFile)) return;
  Guarded([this] {
    ReloadPlayerListFollowingChoice();
    if (ui_.dbnevek->isVisible()) FillNameLookup();
  });
}

// A player chosen from the list and deleted meanwhile is chosen no more; the first listed one
// is, as at start. A typed name stays.
void TTabla::ReloadPlayerListFollowingChoice() {
  const auto listed = [this] {
    return !ui_.Mnevek->findItems(ui_.Ekiv->text(), Qt::MatchExactly).isEmpty();
  };
  const bool was_listed = listed();
  ReloadPlayerList();
  if (was_listed && !listed()) {
    ui_.Ekiv->setText(player_count_ > 0 ? ui_.Mnevek->item(0)->text() : QString());
  }
}

void TTabla::ReloadPlayerList() {
  const std::vector<std::string> names = players::ReloadPlayerList(cdsjatekosok_, work_dir_);
  ui_.Mnevek->clear();
  player_count_ = int(names.size());
  if (names.empty()) {
    ui_.Bmod->setEnabled(false);
    ui_.Btorol->setEnabled(false);
  } else {
    // A window started without players lists those another window added since: usable.
    for (QWidget* button : {ui_.Bmod, ui_.Btorol, ui_.Btovabb}) button->setEnabled(true);
  }
  for (const std::string& name : names) ui_.Mnevek->addItem(QString::fromStdString(name));
  // Five is the limit, not a one-way door: a deletion below it allows adding again.
  ui_.Bhozza->setEnabled(player_count_ < players::kMaxPlayers);
}

}  // namespace kvadrix::app
