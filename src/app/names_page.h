#pragma once
// Page 0, "Név": the player list, the chosen player and the buttons that open the player form or
// enter play. The rules and the table work are the core's (players/).
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <functional>
#include <memory>
#include <vector>

#include "app/table_set.h"
#include "common/seams.h"
#include "players/last_game.h"

namespace kvadrix::app {

class HandlerGuard;
class PlayerForm;

class NamesPage : public QObject {
 public:
  struct Controls {
    QLabel* Label3 = nullptr;
    QLineEdit* Ekiv = nullptr;
    QLabel* Label4 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QPushButton* Bhozza = nullptr;
    QPushButton* Bmod = nullptr;
    QPushButton* Btorol = nullptr;
    QPushButton* Btovabb = nullptr;
    QListWidget* Mnevek = nullptr;
  };
  // "Tovább" found the chosen player: the window takes her into play.
  using EnterPlay = std::function<void(const QString& chosen, const players::PlayerToEnter&)>;

  NamesPage(QWidget* page, TableSet& tables, HandlerGuard& guard, const Clock& clock,
            RandomSource& random, EnterPlay enter_play);
  ~NamesPage() override;
  const Controls& controls() const { return ui_; }
  int PlayerCount() const { return player_count_; }
  // The buttons whose Esc key closes the window.
  std::vector<QWidget*> KeyedControls() const;

  // At start: the players of "jatekosok.xml" with the first one chosen, or an empty table.
  void ListPlayersAtStart();
  void FocusFirstButton();  // "Tovább" when there are players, else "Hozzáad"
  void ReloadPlayerList();
  // A player chosen from the list and deleted meanwhile is chosen no more.
  void ReloadPlayerListFollowingChoice();
  // Coming back to the window shows the players another window added or deleted meanwhile.
  void FollowPlayerList();

  void BhozzaClick();
  void BmodClick();
  void BtorolClick();
  void MnevekClick();
  void BtovabbClick();

 private:
  void Build(QWidget* page);

  TableSet& tables_;
  HandlerGuard& guard_;
  EnterPlay enter_play_;
  Controls ui_;
  std::unique_ptr<PlayerForm> form_;
  int player_count_ = 0;  // PlayerCount: the records after the last ReloadPlayerList
};

}  // namespace kvadrix::app
