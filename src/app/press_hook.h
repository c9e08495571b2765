#pragma once
// Line edits have no click signal; the password boxes react to a click into them.
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

namespace kvadrix::app {

class PressHook : public QObject {
 public:
  PressHook(QWidget* widget, std::function<void()> handler)
      : QObject(widget), handler_(std::move(handler)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) handler_();
    return QObject::eventFilter(watched, event);  // the edit still gets its click
  }

 private:
  std::function<void()> handler_;
};

// Runs the handler on every mouse press inside the widget; the hook lives as long as it.
inline void OnMousePress(QWidget* widget, std::function<void()> handler) {
  new PressHook(widget, std::move(handler));
}

}  // namespace kvadrix::app
