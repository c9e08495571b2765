#include "app/grid_cursor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "app/accessibles.h"

namespace kvadrix::app {
namespace {

// A black ring around a white one stands out on the yellow and the green boxes alike, and does
// not depend on the desktop's palette, which the boxes do not follow either.
constexpr int kOuterRing = 3;
constexpr int kInnerRing = 2;
constexpr int kMargin = 5;  // between the frame and the cell's digit and candidates

}  // namespace

GridCursor::GridCursor(QWidget* parent, const QRect& area, CellAt cell)
    : QWidget(parent), cell_(std::move(cell)) {
  setObjectName(QStringLiteral("GridCursor"));
  setGeometry(area);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(QStringLiteral("Játéktábla"));
  setAccessibleDescription(
      QStringLiteral("Nyilak: mozgás a mezők között; szóköz vagy Enter: a választott szám "
                     "beírása; számbillentyűk: a szám választása"));
}

void GridCursor::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      return MoveTo(row_, col_ - 1);
    case Qt::Key_Right:
      return MoveTo(row_, col_ + 1);
    case Qt::Key_Up:
      return MoveTo(row_ - 1, col_);
    case Qt::Key_Down:
      return MoveTo(row_ + 1, col_);
    case Qt::Key_Home:
      return MoveTo(row_, 1);
    case Qt::Key_End:
      return MoveTo(row_, 9);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A held key would press the filled cell again and again, each press refused aloud.
      if (!event->isAutoRepeat()) Cell()->Press();
      return;
    default:
      break;
  }
  const QString text = event->text();
  if (text.size() == 1 && text.front() >= QLatin1Char('0') && text.front() <= QLatin1Char('9')) {
    if (digit_key_) digit_key_(text.front().digitValue());
    return;
  }
  QWidget::keyPressEvent(event);
}

void GridCursor::MoveTo(int row, int col) {
  row = std::clamp(row, 1, 9);
  col = std::clamp(col, 1, 9);
  if (row == row_ && col == col_) return;
  SetCursorCell(Cell(), false);
  update(CellFrame());
  row_ = row;
  col_ = col;
  ShowCursor();
}

void GridCursor::ShowCursor() {
  SetCursorCell(Cell(), hasFocus());
  update(CellFrame());
  if (hasFocus()) {
    QAccessibleEvent focus(Cell(), QAccessible::Focus);
    SendAccessibleEvent(&focus);
  }
}

void GridCursor::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  ShowCursor();
}

void GridCursor::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  ShowCursor();
}

QRect GridCursor::CellFrame() const {
  const CellLabels cell = cell_(row_, col_);
  const QRect labels = cell.digit->geometry().united(cell.candidates->geometry());
  const QPoint box = cell.digit->parentWidget()->mapTo(parentWidget(), QPoint(0, 0)) - pos();
  return labels.translated(box).adjusted(-kMargin, -kMargin, kMargin, kMargin);
}

void GridCursor::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;  // the mouse player sees no stray frame
  QPainter painter(this);
  // Only the rings: the cell inside keeps its own colours.
  auto ring = [&painter](const QRect& outer, int width, const QColor& colour) {
    painter.fillRect(outer.left(), outer.top(), outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.bottom() - width + 1, outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.top(), width, outer.height(), colour);
    painter.fillRect(outer.right() - width + 1, outer.top(), width, outer.height(), colour);
  };
  const QRect frame = CellFrame();
  ring(frame, kOuterRing, Qt::black);
  ring(frame.adjusted(kOuterRing, kOuterRing, -kOuterRing, -kOuterRing), kInnerRing, Qt::white);
}

}  // namespace kvadrix::app
