#pragma once
// A label that reports clicks: the digit labels of the grid and the Info window's links.
#include <QLabel>
#include <QMouseEvent>

namespace kvadrix::widgets {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  // The text comes after the label is whole, so an assistive tool that asks about the label as
  // the text arrives already meets a clickable label.
  explicit ClickableLabel(const QString& text, QWidget* parent = nullptr) : QLabel(parent) {
    setText(text);
  }

  // What a click does, for the keyboard and for assistive tools.
  void Press() { emit clicked(); }

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
