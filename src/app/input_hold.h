#pragma once
// Holds the user's clicks and keys to one window until Release, then hands them on in order, to
// the widgets they were meant for: what the user does before the tables it needs are in is
// neither lost nor refused, the window keeps painting, and each click meets the window as it is
// by then, as if the user had been a moment slower.
#include <QObject>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QWidget;

namespace kvadrix::app {

class InputHold : public QObject {
 public:
  explicit InputHold(QWidget* window);
  ~InputHold() override;
  void Release();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  bool holding_ = true;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace kvadrix::app
