#pragma once
// The 9x9 grid laid over the tab control: the box group boxes GB1..GB9, the strip GB22 above
// them and the cell labels L11..L99 and S11..S99, painted from the game session. It is also the
// view the session's candidate computations write into.
#include <QGroupBox>
#include <QLabel>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/grid_cursor.h"
#include "board/cells.h"
#include "game/game_session.h"
#include "solver/candidate_view.h"
#include "widgets/cell_label.h"

namespace kvadrix::app {

class Grid : public solver::CandidateView {
 public:
  // [box] for boxes 1..9 and [row][col] for cells, 1-based.
  struct Controls {
    std::array<QGroupBox*, 10> boxes{};
    QGroupBox* GB22 = nullptr;
    std::array<std::array<widgets::ClickableLabel*, 10>, 10> digit_labels{};
    std::array<std::array<QLabel*, 10>, 10> candidate_labels{};
    GridCursor* cursor = nullptr;  // the keyboard's way through the cells
  };
  struct CellLabels {
    widgets::ClickableLabel* digit;
    QLabel* candidates;
  };

  explicit Grid(game::GameSession& session) : session_(session) {}
  // Made after the tab control, so it lies over it, and hidden; `remaining_count` is the label
  // that shows RemainingCount.
  void Build(QWidget* parent, QLabel* remaining_count);
  const Controls& controls() const { return ui_; }

  std::optional<CellLabels> LocateCellLabels(int row, int col) const;
  void ResetBoard();
  void SetGivenCell(int row, int col, int digit);
  void UpdateRemainingCount();
  void ColourPlayerCells();
  void ShowBoard();
  void HideBoard();
  // The labels of a cell, or of all cells and the remaining count, from the game state.
  void PaintCell(int row, int col);
  void PaintBoard();
  // Shows or hides every candidate label, as the aids ask.
  void ShowCandidateLabels(bool shown);

  // The candidate labels follow the core's CandidateGrid.
  void ShowCandidates(int row, int col, std::string_view text) override;

 private:
  // Each box is stacked above the ones after it where they overlap, yet stays in reading order
  // among its siblings, the order assistive tools list them in.
  void StackBoxes();
  // The remaining count, announced when it changes.
  void ShowRemainingCount();
  // The accessible names of a cell's two labels, from the game state.
  void NameCell(int row, int col);

  game::GameSession& session_;
  QLabel* remaining_count_ = nullptr;
  Controls ui_;
  bool candidate_labels_shown_ = true;  // what the labels last mirrored
  // What each cell's accessible names were last made from, so a repaint that changes nothing
  // builds no names.
  std::array<uint32_t, board::kCellCount> named_cells_{};
};

}  // namespace kvadrix::app
