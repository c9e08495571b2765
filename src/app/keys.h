#pragma once
// The window's keys: the digit keys and Esc of the game page's controls and Esc of the name
// page's buttons go to the window's FormKeyPress, and Enter in the game number box loads the
// game. Every other key stays with the control that has it.
#include <QChar>
#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace kvadrix::app {

class HandlerGuard;

class Keys : public QObject {
 public:
  using KeyHandler = std::function<void(QChar key)>;

  Keys(HandlerGuard& guard, KeyHandler form_key_press, QObject* parent);

  // Digits and Esc go to FormKeyPress.
  void PassGameKeys(const std::vector<QWidget*>& controls);
  // Only Esc goes to FormKeyPress.
  void PassEsc(const std::vector<QWidget*>& controls);
  // Return and Enter in the box go to `handler` as the character 13.
  void PassEnter(QWidget* box, KeyHandler handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  HandlerGuard& guard_;
  KeyHandler form_key_press_;
  QWidget* enter_box_ = nullptr;
  KeyHandler enter_handler_;
};

}  // namespace kvadrix::app
