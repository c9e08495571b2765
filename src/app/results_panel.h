#pragma once
// "Eredmények az adott játékról": the player's best time and the best time of anyone on the
// puzzle being played.
#include <QGroupBox>
#include <QLabel>

#include "app/table_set.h"
#include "game/game_session.h"

namespace kvadrix::app {

class ResultsPanel {
 public:
  struct Controls {
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Lnevaki = nullptr;
    QLabel* Lnaeredmeny = nullptr;
    QGroupBox* GroupBox4 = nullptr;  // the thin rule between the two results
    QLabel* Label5 = nullptr;
    QLabel* Lnevvalaki = nullptr;
    QLabel* Lnveredmeny = nullptr;
  };

  ResultsPanel(QWidget* page, const game::GameSession& session, TableSet& tables);
  const Controls& controls() const { return ui_; }

  void ShowPlayerName(const QString& name);  // "<name> legjobbja:"
  void ShowBestResults();

 private:
  const game::GameSession& session_;
  TableSet& tables_;
  Controls ui_;
};

}  // namespace kvadrix::app
