#include "app/grid.h"

#include <QPainter>
#include <QString>

#include "app/accessibles.h"
#include "app/cell_accessibility.h"
#include "widgets/ui_look.h"

namespace kvadrix::app {
namespace {

using widgets::ClickableLabel;
using widgets::kGivenCellColour;
using widgets::kPlayerCellColour;

struct BoxPlace {
  int left, top;
  const QColor& colour;
};

constexpr int kBoxWidth = 225;
constexpr int kBoxHeight = 169;
using widgets::kBoxGreen;
using widgets::kBoxYellow;
const BoxPlace kBoxPlaces[10] = {
    {0, 0, kBoxYellow},                                                     // unused
    {60, 160, kBoxYellow}, {284, 160, kBoxGreen},  {508, 160, kBoxYellow},  // GB1..GB3
    {60, 320, kBoxGreen},  {284, 320, kBoxYellow}, {508, 320, kBoxGreen},   // GB4..GB6
    {60, 484, kBoxYellow}, {284, 484, kBoxGreen},  {508, 484, kBoxYellow},  // GB7..GB9
};

// Positions inside a box, by the cell's row or column within the box (1..3).
constexpr int kDigitLeft[4] = {0, 28, 100, 176};
constexpr int kDigitTop[4] = {0, 8, 64, 120};
constexpr int kCandidateLeft[4] = {0, 8, 80, 156};
constexpr int kCandidateTop[4] = {0, 40, 96, 152};

const QString kEmptyCell = QStringLiteral("_");
const QString kAllCandidates = QStringLiteral("123456789");  // the labels' first captions

const QColor kBoxBorder(32, 64, 64);

// A box of the grid: its fill and a one-pixel border, painted here. A style sheet would do the
// same, but it would bring its 18 cell labels under the style sheet machinery too, and building
// and styling the 162 labels that way took a sixth of the program's start.
class GridBox : public QGroupBox {
 public:
  GridBox(QWidget* parent, const QColor& fill) : QGroupBox(parent), fill_(fill) {
    // The opaque candidate labels fill with this; set once here rather than on each of them.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, fill);
    setPalette(palette);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    painter.setPen(kBoxBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  QColor fill_;
};

QGroupBox* MakeBox(QWidget* parent, const QString& name, const QColor& colour) {
  auto* box = new GridBox(parent, colour);
  box->setObjectName(name);
  return box;
}

void SetLabelColour(QLabel* label, const QColor& colour) { widgets::SetTextColour(label, colour); }

void SetAccessibleName(QWidget* widget, const QString& name) {
  if (widget->accessibleName() != name) widget->setAccessibleName(name);  // repaints are frequent
}

}  // namespace

void Grid::Build(QWidget* parent, QLabel* remaining_count) {
  remaining_count_ = remaining_count;
  ui_.GB22 = MakeBox(parent, QStringLiteral("GB22"), widgets::kWindowColour.darker(130));
  ui_.GB22->setGeometry(60, 150, 673, 18);
  for (int box = 1; box <= 9; ++box) {
    const BoxPlace& place = kBoxPlaces[box];
    QGroupBox* group = MakeBox(parent, QStringLiteral("GB%1").arg(box), place.colour);
    group->setGeometry(place.left, place.top, kBoxWidth, kBoxHeight);
    group->setAccessibleName(QStringLiteral("%1. blokk").arg(box));
    ui_.boxes[box] = group;
    const int r0 = board::BoxFirstRow(box), c0 = board::BoxFirstCol(box);
    for (int i = 1; i <= 3; ++i) {
      for (int j = 1; j <= 3; ++j) {
        const int row = r0 + i - 1, col = c0 + j - 1;
        auto* digit = new ClickableLabel(kEmptyCell, group);
        digit->setObjectName(QStringLiteral("L%1%2").arg(row).arg(col));
        digit->setGeometry(kDigitLeft[j], kDigitTop[i], 18, 37);
        digit->setFont(widgets::UiFont(33));
        digit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        digit->setCursor(Qt::PointingHandCursor);
        SetLabelColour(digit, kGivenCellColour);
        auto* candidates = new QLabel(kAllCandidates, group);
        candidates->setObjectName(QStringLiteral("S%1%2").arg(row).arg(col));
        candidates->setGeometry(kCandidateLeft[j], kCandidateTop[i], 54, 13);
        // The window's 11-pixel font, inherited, as the box's colour is.
        candidates->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        SetLabelColour(candidates, kGivenCellColour);
        // Opaque, so the empty cell's "_", which hangs below the digit's baseline, does not
        // strike through the candidates; it shows again when the candidates are hidden.
        candidates->setAutoFillBackground(true);
        ui_.digit_labels[row][col] = digit;
        ui_.candidate_labels[row][col] = candidates;
        NameCell(row, col);
      }
    }
  }
  StackBoxes();
  QRect area = ui_.GB22->geometry();
  for (int box = 1; box <= 9; ++box) area = area.united(ui_.boxes[box]->geometry());
  // Made after the boxes, so it lies over them and comes after them in the Tab order.
  ui_.cursor = new GridCursor(parent, area.adjusted(-8, -8, 8, 8), [this](int row, int col) {
    return GridCursor::CellLabels{ui_.digit_labels[row][col], ui_.candidate_labels[row][col]};
  });
  HideBoard();  // the name page comes first, without the grid
}

void Grid::StackBoxes() {
  // Each band of boxes overlaps the top of the band below by a few pixels, and each box its
  // right neighbour by one; the earlier box lies on top, so its bottom row of candidates stays
  // whole. Restacking would reorder the boxes among their siblings, so each later box leaves out
  // what the earlier ones cover instead.
  for (int box = 2; box <= 9; ++box) {
    QGroupBox* group = ui_.boxes[box];
    QRegion shown(group->rect());
    for (int earlier = 1; earlier < box; ++earlier) {
      const QRect covered = ui_.boxes[earlier]->geometry().intersected(group->geometry());
      if (!covered.isEmpty()) shown -= covered.translated(-group->pos());
    }
    if (shown != QRegion(group->rect())) group->setMask(shown);
  }
}

std::optional<Grid::CellLabels> Grid::LocateCellLabels(int row, int col) const {
  if (!board::IsOnBoard(row, col)) return std::nullopt;
  return CellLabels{ui_.digit_labels[row][col], ui_.candidate_labels[row][col]};
}

void Grid::PaintCell(int row, int col) {
  const CellLabels cell = *LocateCellLabels(row, col);
  const board::GameState& game = session_.state();
  const int digit = game.board.At(row, col);
  cell.digit->setText(digit ? QString(QChar('0' + digit)) : kEmptyCell);
  ShowCandidates(row, col, game.candidates.Text(row, col));  // and names both labels
  const QColor& colour = game.IsPlayerCell(row, col) ? kPlayerCellColour : kGivenCellColour;
  SetLabelColour(cell.digit, colour);
  SetLabelColour(cell.candidates, colour);
}

void Grid::PaintBoard() {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) PaintCell(row, col);
  }
  ShowRemainingCount();
}

void Grid::ShowRemainingCount() {
  const QString count = QString::number(session_.state().remaining_count);
  if (remaining_count_->text() == count) return;
  remaining_count_->setText(count);
  AnnounceLabel(remaining_count_);
}

void Grid::ResetBoard() {
  session_.ResetBoard();
  PaintBoard();
}

void Grid::SetGivenCell(int row, int col, int digit) {
  if (!board::IsOnBoard(row, col)) return;
  session_.SetGivenCell(row, col, digit);
  PaintCell(row, col);
  UpdateRemainingCount();
}

void Grid::UpdateRemainingCount() { ShowRemainingCount(); }

void Grid::ColourPlayerCells() {
  session_.ColourPlayerCells();
  PaintBoard();
}

void Grid::ShowBoard() {
  for (int box = 1; box <= 9; ++box) ui_.boxes[box]->show();
  ui_.GB22->show();
  ui_.cursor->show();
}

void Grid::HideBoard() {
  for (int box = 1; box <= 9; ++box) ui_.boxes[box]->hide();
  ui_.GB22->hide();
  ui_.cursor->hide();
}

void Grid::ShowCandidateLabels(bool shown) {
  if (shown == candidate_labels_shown_) return;
  candidate_labels_shown_ = shown;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      ui_.candidate_labels[row][col]->setVisible(shown);
      NameCell(row, col);
    }
  }
}

void Grid::ShowCandidates(int row, int col, std::string_view text) {
  if (const std::optional<CellLabels> cell = LocateCellLabels(row, col)) {
    cell->candidates->setText(QString::fromLatin1(text.data(), qsizetype(text.size())));
    NameCell(row, col);
  }
}

void Grid::NameCell(int row, int col) {
  const board::GameState& game = session_.state();
  const uint32_t key = 1u << 20 | uint32_t(candidate_labels_shown_) << 19 |
                       uint32_t(game.IsPlayerCell(row, col)) << 18 |
                       uint32_t(game.board.At(row, col)) << 12 | game.candidates.Mask(row, col);
  uint32_t& named = named_cells_[board::CellIndex(row, col)];
  if (named == key) return;
  named = key;
  const CellLabels cell = *LocateCellLabels(row, col);
  const std::optional<std::string_view> candidates =
      candidate_labels_shown_ ? std::optional(game.candidates.Text(row, col)) : std::nullopt;
  const CellNames names = CellAccessibleNames(row, col, game.board.At(row, col),
                                              game.IsPlayerCell(row, col), candidates);
  SetAccessibleName(cell.digit, names.digit);
  SetAccessibleName(cell.candidates, names.candidates);
}

}  // namespace kvadrix::app
