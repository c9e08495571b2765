#pragma once
// A label that reports clicks: the digit labels of the grid and the Info window's links.
#include <QLabel>
#include <QMouseEvent>

namespace kvadrix::widgets {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
  }
};

}  // namespace kvadrix::widgets
