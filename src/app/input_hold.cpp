#include "app/input_hold.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace kvadrix::app {
namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputHold::InputHold(QWidget* window) : window_(window) { qApp->installEventFilter(this); }

InputHold::~InputHold() {
  if (holding_) qApp->removeEventFilter(this);
  if (!held_.empty()) QApplication::restoreOverrideCursor();
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
  if (!holding_ || !IsUserInput(event->type()) || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != window_) return false;  // a message box of its own goes on
  if (held_.empty()) QApplication::setOverrideCursor(Qt::BusyCursor);
  held_.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
  return true;
}

void InputHold::Release() {
  if (!holding_) return;
  holding_ = false;
  qApp->removeEventFilter(this);
  if (held_.empty()) return;
  QApplication::restoreOverrideCursor();
  // One at a time: a click that opens a message box is answered before the next one arrives.
  auto held = std::exchange(held_, {});
  for (auto& [target, event] : held) {
    if (target) QApplication::sendEvent(target, event.get());
  }
}

}  // namespace kvadrix::app
