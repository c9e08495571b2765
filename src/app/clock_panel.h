#pragma once
// "Idő mérése": the clock label Lido and the timer T1 that refreshes it while a game runs.
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QTimer>

#include "game/game_session.h"

namespace kvadrix::app {

class HandlerGuard;

class ClockPanel : public QObject {
 public:
  struct Controls {
    QTimer* T1 = nullptr;
    QGroupBox* GroupBox11 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Lido = nullptr;
  };

  // The timer belongs to `owner`, the window, as its other non-visual parts do.
  ClockPanel(QWidget* page, QObject* owner, const game::GameSession& session, HandlerGuard& guard);
  const Controls& controls() const { return ui_; }

  void T1Timer();
  void Start() { ui_.T1->start(); }
  void Stop() { ui_.T1->stop(); }  // Lido keeps its last text
  void Clear();                    // stopped, showing "00:00"
  QString Text() const { return ui_.Lido->text(); }

 private:
  const game::GameSession& session_;
  Controls ui_;
};

}  // namespace kvadrix::app
