#pragma once
// Page 1, "Játék": puzzle loading, the aids, the digit buttons, the clock, the remaining count
// and the best results, each a part of its own, with the grid over the page. The page ties
// them together: entering play, clearing the game, and the export of the grid.
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/grid.h"
#include "app/table_set.h"
#include "common/seams.h"
#include "game/game_session.h"
#include "players/last_game.h"

namespace kvadrix::app {

class AidsPanel;
class ClockPanel;
class HandlerGuard;
class Moves;
class ResultsPanel;
class Selection;

class PlayPage : public QObject {
 public:
  struct Controls {
    QGroupBox* GroupBox10 = nullptr;
    QLabel* Lmaradt = nullptr;
    QPushButton* Button1 = nullptr;  // "Kilépés": the window closes itself
  };
  // Where "Excel-be" writes its workbooks and how the desktop opens one, telling `done` whether
  // it could, now or later; unset parts are the user's documents folder and the desktop's
  // program for .xlsx files.
  struct ExportTarget {
    std::filesystem::path folder;
    std::function<void(const std::filesystem::path&, std::function<void(bool)> done)> open;
  };

  // Builds the page on `page` and the grid over `grid_parent`; the clock's timer belongs to
  // `window`.
  PlayPage(QWidget* window, QWidget* page, QWidget* grid_parent, game::GameSession& session,
           TableSet& tables, HandlerGuard& guard, const Clock& clock);
  ~PlayPage() override;

  const Controls& controls() const { return ui_; }
  Grid& grid() { return grid_; }
  Selection& selection() { return *selection_; }
  AidsPanel& aids() { return *aids_; }
  Moves& moves() { return *moves_; }
  ResultsPanel& results() { return *results_; }
  ClockPanel& clock() { return *clock_panel_; }
  // The controls whose digit and Esc keys the window handles.
  std::vector<QWidget*> KeyedControls() const;

  // Playing starts on this page with digit 1 chosen and the grid shown.
  void EnterPlayPage();
  // The chosen player takes the page: her name, her level preset, an empty game, and the offer
  // of her last game.
  void TakePlayer(const QString& chosen, const players::PlayerToEnter& player);
  void ClearGame();
  void Bexcel2Click();
  void SetExportTarget(ExportTarget target) { export_target_ = std::move(target); }

 private:
  void OfferLastGame();

  game::GameSession& session_;
  TableSet& tables_;
  HandlerGuard& guard_;
  const Clock& clock_;
  Controls ui_;
  Grid grid_;
  std::unique_ptr<Selection> selection_;
  std::unique_ptr<AidsPanel> aids_;
  std::unique_ptr<Moves> moves_;
  std::unique_ptr<ResultsPanel> results_;
  std::unique_ptr<ClockPanel> clock_panel_;
  ExportTarget export_target_;
};

}  // namespace kvadrix::app
