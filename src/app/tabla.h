#pragma once
// The main window "Tabla": the menu, the status bar and the tab control with its three pages,
// each page a part of its own that owns its controls and talks to the game session and the
// tables (names_page.h, play_page.h, summary_page.h). The window assembles them, owns the
// session and the tables, and keeps the handlers of the window itself.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTabWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/handler_guard.h"
#include "app/table_set.h"
#include "common/seams.h"
#include "game/game_session.h"
#include "players/last_game.h"

namespace kvadrix::info {
class TFInfo;
}  // namespace kvadrix::info
namespace kvadrix::app {

class InputHold;
class NamesPage;
class PlayPage;
class SummaryPage;

class TTabla : public QMainWindow {
  Q_OBJECT

 public:
  // The size of the screen the window opens on; tests pass their own.
  using ScreenSize = std::function<QSize()>;
  struct Controls {
    QTabWidget* TB = nullptr;
    QStatusBar* SB = nullptr;
    QLabel* sb_text = nullptr;  // the status bar's one text
    QAction* Nyelv1 = nullptr;
    QAction* magyar1 = nullptr;
    QAction* english1 = nullptr;
    QAction* Valami1 = nullptr;
  };
  // The pages of TB.
  static constexpr int kNamesPage = 0;
  static constexpr int kPlayPage = 1;
  static constexpr int kSummaryPage = 2;

  TTabla(Dialogs& dialogs, const Clock& clock, RandomSource& random,
         std::filesystem::path work_dir = std::filesystem::current_path(),
         ScreenSize screen_size = {}, QWidget* parent = nullptr);
  ~TTabla() override;

  bool StartupFailed() const { return startup_failed_; }
  // The results and the last games are read after the window appears; clicks wait for them.
  bool PlayHistoryLoaded() const { return tables_.PlayHistoryLoaded(); }
  // Starts reading it now, if that has not started yet.
  void LoadPlayHistory();
  // A game whose clock runs is remembered as unfinished, as closing the window does; returns
  // why it could not be (empty when stored, or when no game runs).
  std::string StoreGameInPlay();
  const game::GameSession& session() const { return session_; }
  NamesPage& names_page() { return *names_page_; }
  PlayPage& play_page() { return *play_page_; }
  void FormActivate();

 protected:
  void changeEvent(QEvent* event) override;      // runs FormActivate
  bool event(QEvent* event) override;            // reads the play history after the first frame
  void closeEvent(QCloseEvent* event) override;  // runs FormClose
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWindow();
  void FormCreate();
  bool FormClose();  // false: the window stays open and the game goes on
  void FormKeyPress(QChar key);
  void Button1Click();
  void Valami1Click();
  void TBClick(int page);
  void EnterPlay(const QString& chosen, const players::PlayerToEnter& player);  // from "Tovább"
  void ShowPlayerInStatusBar();

  HandlerGuard guard_;
  ScreenSize screen_size_;
  TableSet tables_;
  game::GameSession session_;  // the game; the play page's controls mirror it
  Controls ui_;
  std::unique_ptr<NamesPage> names_page_;
  std::unique_ptr<PlayPage> play_page_;
  std::unique_ptr<SummaryPage> summary_page_;
  info::TFInfo* info_ = nullptr;
  bool startup_failed_ = false;
  std::unique_ptr<InputHold> input_hold_;  // the user's input until the play history is in
};

}  // namespace kvadrix::app
