#pragma once
// "Új játékos adatainak felvitele": the one group box in which players are added, changed and
// deleted, in three modes. The rules and the table work are the core's (players/); these
// handlers read the form, call it, show its message and set the form.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/table_set.h"
#include "common/seams.h"

namespace kvadrix::app {

class HandlerGuard;
class NamesPage;

class PlayerForm : public QObject {
 public:
  struct Controls {
    QGroupBox* GBuj = nullptr;
    QLabel* Lnev = nullptr;
    QLineEdit* Eujnev = nullptr;
    QComboBox* dbnevek = nullptr;
    QLabel* Ljelszo = nullptr;
    QLineEdit* Bjelszo = nullptr;
    QLabel* Ljelszo2 = nullptr;
    QLineEdit* Bjelszo2 = nullptr;
    QLabel* LjelszoR = nullptr;
    QLineEdit* BjelszoR = nullptr;
    QLabel* Lszin = nullptr;
    QSpinBox* SE = nullptr;
    QLabel* Lszint = nullptr;
    QRadioButton* RBujk = nullptr;
    QRadioButton* RBujh = nullptr;
    QRadioButton* RBujm = nullptr;
    QPushButton* Bujfelvitel = nullptr;
    QPushButton* Bmodosit = nullptr;
    QPushButton* Btorles = nullptr;
  };
  enum class Mode { kAdd, kModify, kDelete };

  // Built disabled, until a mode is chosen; `names` is the page it serves.
  PlayerForm(QWidget* page, NamesPage& names, TableSet& tables, HandlerGuard& guard,
             const Clock& clock, RandomSource& random);
  const Controls& controls() const { return ui_; }

  void Open(Mode mode);
  // The name drop-down follows a player list read again, while it is shown.
  void FollowPlayerList();

  void BujfelvitelClick();
  void EujnevChange();
  void dbnevekClick();
  void BmodositClick();
  void BtorlesClick();
  void BjelszoClick();

 private:
  void Build(QWidget* page);
  void Connect();
  void EnterMode(Mode mode);
  // After a stored add or change the form goes quiet until the next mode is chosen.
  void Close();
  void NameControls();
  void FillNameLookup();  // dbnevek from the PlayerTable
  void FollowDeletion();  // the lists without a player deleted here or in another window

  NamesPage& names_;
  TableSet& tables_;
  HandlerGuard& guard_;
  const Clock& clock_;
  RandomSource& random_;
  Controls ui_;
};

}  // namespace kvadrix::app
