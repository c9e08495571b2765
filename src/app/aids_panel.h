#pragma once
// "Segítség...", "Kirakás - Segítséggel" and "Szint": the candidate aids and the level presets.
// The rules and their chains are the session's (game/aid_controls.h): a box the user changes is
// written into it, and every box, Bfel and the candidate labels then mirror it, quietly, so no
// handler runs twice. "Csak 1" and "Teljes" sit here too; they move, so Moves handles them.
#include <QCheckBox>
#include <QGroupBox>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <vector>

#include "game/game_session.h"

namespace kvadrix::app {

class Grid;
class HandlerGuard;

class AidsPanel : public QObject {
 public:
  struct Controls {
    QGroupBox* GroupBox12 = nullptr;
    QCheckBox* CBE = nullptr;
    QCheckBox* CBE2 = nullptr;
    QCheckBox* CBE3 = nullptr;
    QCheckBox* CBO = nullptr;
    QPushButton* Bfel = nullptr;
    QPushButton* Bel = nullptr;
    QCheckBox* CBE5D = nullptr;
    QCheckBox* CBX = nullptr;
    QCheckBox* CBU = nullptr;
    QCheckBox* CBE9 = nullptr;
    QGroupBox* GroupBox13 = nullptr;
    QPushButton* Bcsak1 = nullptr;
    QPushButton* Bteljes = nullptr;
    QGroupBox* GroupBox15 = nullptr;
    QRadioButton* rbk = nullptr;
    QRadioButton* rbh = nullptr;
    QRadioButton* rbm = nullptr;
    QCheckBox* cbsz = nullptr;
  };

  // `grid` shows the candidates the aids compute; it may be built later than this panel.
  AidsPanel(QWidget* page, game::GameSession& session, Grid& grid, HandlerGuard& guard);
  const Controls& controls() const { return ui_; }
  // The controls whose digit and Esc keys the window handles.
  std::vector<QWidget*> KeyedControls() const;

  // A player's preferred level (1..3) checks its preset, which runs when this changes it.
  void CheckPreset(int szint);

  void CBEClick();
  void CBE2Click();  // shared by CBE2, CBE3, CBE5D and CBE9
  void CBXClick();
  void CBOClick();
  void cbszClick();  // no rule of its own: the moves read it from the session
  void BfelClick();
  void BelClick();
  void rbkClick();
  void rbhClick();
  void rbmClick();

 private:
  void Build(QWidget* page);
  void Connect(HandlerGuard& guard);
  // A change of the aids in the session, then the boxes, Bfel and the labels mirror it.
  void ChangeAids(const std::function<void(game::AidControls&)>& change);
  void MirrorAids();

  game::GameSession& session_;
  Grid& grid_;
  Controls ui_;
};

}  // namespace kvadrix::app
