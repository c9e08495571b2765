#pragma once
// The main window "Tabla": owns the game state, the clock, the five tables and every control.
// Handlers keep the names of the controls and events they serve (BhozzaClick, CBBeChange...);
// the rules behind them live in the Qt-free core.
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/tabla_controls.h"
#include "board/game_state.h"
#include "common/seams.h"
#include "game/game_session.h"
#include "puzzles/puzzle_selection.h"
#include "solver/aid_switches.h"
#include "solver/candidate_view.h"
#include "solver/moves.h"
#include "tables/table_store.h"

namespace kvadrix::app {

class SummaryModel;
}  // namespace kvadrix::app
namespace kvadrix::info {
class TFInfo;
}  // namespace kvadrix::info
namespace kvadrix::app {

class TTabla : public QMainWindow, private solver::CandidateView {
  Q_OBJECT

 public:
  // The size of the screen the window opens on; tests pass their own.
  using ScreenSize = std::function<QSize()>;

  TTabla(Dialogs& dialogs, const Clock& clock, RandomSource& random,
         std::filesystem::path work_dir = std::filesystem::current_path(),
         ScreenSize screen_size = {}, QWidget* parent = nullptr);
  ~TTabla() override;

  bool StartupFailed() const { return startup_failed_; }
  // A game whose clock runs is remembered as unfinished, as closing the window does; returns
  // why it could not be (empty when stored, or when no game runs).
  std::string StoreGameInPlay();
  const TablaControls& controls() const { return ui_; }
  const board::GameState& game() const { return session_.state(); }
  const game::GameSession& session() const { return session_; }
  int PlayerCount() const { return player_count_; }
  const std::string& CurrentPlayerName() const { return session_.player().name; }
  int32_t CurrentPlayerKey() const { return session_.player().key; }

  // Cell display.
  struct CellLabels {
    ClickableLabel* digit;
    QLabel* candidates;
  };
  std::optional<CellLabels> LocateCellLabels(int row, int col) const;
  void ResetBoard();
  void SetGivenCell(int row, int col, int digit);
  void UpdateRemainingCount();
  void ColourPlayerCells();
  void ShowBoard();
  void HideBoard();

  // The pages of TB.
  static constexpr int kNamesPage = 0;
  static constexpr int kPlayPage = 1;
  static constexpr int kSummaryPage = 2;
  // The labels of a cell, or of all cells and the remaining count, from the game state.
  void PaintCell(int row, int col);
  void PaintBoard();
  void PaintGame();  // the board, the count and "Vissza"

  // Start-up and the player list.
  void FormActivate();
  void ReloadPlayerList();
  // Other windows and machines save the same files: a table is read again when its file
  // changed (true then). A damaged file is left to say so where its table is used.
  bool FollowFile(tables::TableStore& store, std::string_view file);
  void FollowPlayerList();
  void ReloadPlayerListFollowingChoice();

  // Games: the PuzzleTable's current record becomes the game; the next or the same puzzle
  // by identifier; the best times of the puzzle being played.
  int32_t CurrentPuzzleId() const { return session_.PuzzleId(); }
  bool ClockRuns() const { return session_.ClockRuns(); }
  void StartGameFromPuzzle();
  void ClearGame();
  void LoadNextPuzzle();
  void ReloadCurrentPuzzle();
  void ShowBestResults();

  // Where "Excel-be" writes its workbooks and how the desktop opens one, telling `done` whether
  // it could, now or later; unset parts are the user's documents folder and the desktop's
  // program for .xlsx files.
  struct ExportTarget {
    std::filesystem::path folder;
    std::function<void(const std::filesystem::path&, std::function<void(bool)> done)> open;
  };
  void SetExportTarget(ExportTarget target) { export_target_ = std::move(target); }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // runs FormClose
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the window.
  void BuildWindow();
  void BuildMenu();
  void BuildNamesPage(QWidget* page);
  void BuildPlayPage(QWidget* page);
  void BuildAidControls(QWidget* page);
  void BuildResultLabels(QWidget* page);
  void BuildSummaryPage(QWidget* page);
  void BuildGrid(QWidget* parent);
  void ConnectHandlers();

  void FormCreate();
  void PrepareFirstLevel();

  // Handlers of this window.
  void Button1Click();
  void Valami1Click();
  void DigitButtonClick(int digit);  // B1Click..B9Click, B0Click
  void FormKeyPress(QChar key);

  // Candidate aids and level presets (tabla_aids.cpp).
  void ConnectAidHandlers();
  void RecomputeCandidates();  // with the aids as they stand, into the candidate labels
  // A change of the aids in the session, then the boxes, Bfel and the labels mirror it.
  void ChangeAids(const std::function<void(game::AidControls&)>& change);
  void MirrorAids();
  void CBEClick();
  void CBE2Click();  // shared by CBE2, CBE3, CBE5D and CBE9
  void CBXClick();
  void CBOClick();
  void cbszClick();  // no rule of its own: the moves read it from the session
  void BfelClick();
  void BelClick();
  void rbkClick();
  void rbhClick();
  void rbmClick();

  // The clock, starting a game, best results and puzzle selection (tabla_game.cpp,
  // tabla_selection.cpp).
  void ConnectGameHandlers();
  void T1Timer();
  void FocusSelectedDigitButton();
  void CBBeChange();
  bool BbetoltesClick();  // true when a game started
  void CBjatekKeyPress(QChar key);
  void StartFoundPuzzle(const puzzles::NextPuzzle& found);
  void ShowGameNumbers(const puzzles::GameNumberList& list);  // Ldb and CBjatek
  void Bexcel2Click();                                        // tabla_export.cpp

  // Players, entering play, the last game and the tabs (tabla_players.cpp, tabla_play_entry.cpp,
  // tabla_tabs.cpp).
  void ConnectPlayerHandlers();
  void BhozzaClick();
  void BujfelvitelClick();
  void EujnevChange();
  void BmodClick();
  void dbnevekClick();
  void BmodositClick();
  void BtorolClick();
  void BtorlesClick();
  void MnevekClick();
  void BjelszoClick();
  void FillNameLookup();  // dbnevek from the PlayerTable
  void FollowDeletion();  // the lists without a player deleted here or in another window
  void BtovabbClick();
  bool FormClose();  // false: the window stays open and the game goes on
  void TBClick(int page);
  // Playing starts on the play page with digit 1 chosen and the grid shown, from "Tovább" and
  // from the tab strip alike.
  void EnterPlayPage();
  void ShowPlayerInStatusBar();

  // Moves (tabla_moves.cpp).
  void ConnectMoveHandlers();
  void LClick(int row, int col);  // L11Click..L99Click
  void BundoClick();
  void Bcsak1Click();
  void BteljesClick();
  // Shows the move's message, or ends a completed game: records the result, asks the question
  // and starts the next puzzle.
  void AfterMove(const solver::MoveOutcome& outcome);
  void FinishGame();

  // The candidate labels follow the core's CandidateGrid.
  void ShowCandidates(int row, int col, std::string_view text) override;
  // The accessible names of a cell's two labels, from the game state.
  void NameCell(int row, int col);

  // Runs a handler; a core error ends it and is shown, as every handler's convention is. Every
  // signal connection (through Guard) and every event dispatch of the window runs its handler so;
  // the handlers themselves do not catch.
  void Guarded(const std::function<void()>& body);
  std::function<void()> Guard(std::function<void()> handler) {
    return [this, handler = std::move(handler)] { Guarded(handler); };
  }
  void Inform(std::string_view text);

  std::filesystem::path FilePath(std::string_view name) const { return work_dir_ / name; }

  Dialogs& dialogs_;
  const Clock& clock_;
  RandomSource& random_;
  std::filesystem::path work_dir_;
  ScreenSize screen_size_;

  TablaControls ui_;
  SummaryModel* summary_model_ = nullptr;
  info::TFInfo* info_ = nullptr;
  ExportTarget export_target_;

  // The game; the controls of the play page mirror it.
  game::GameSession session_;
  bool candidate_labels_shown_ = true;  // what the labels last mirrored
  // What each cell's accessible names were last made from, so a repaint that changes nothing
  // builds no names.
  std::array<uint32_t, board::kCellCount> named_cells_{};

  // Start-up state.
  bool startup_failed_ = false;
  int player_count_ = 0;

  // The five tables.
  tables::TableStore cds_;
  tables::TableStore cdsjatekosok_;
  tables::TableStore cdsEredmenyek_;
  tables::TableStore cdsUtolso_;
  tables::TableStore cdsOsszes_;
};

}  // namespace kvadrix::app
