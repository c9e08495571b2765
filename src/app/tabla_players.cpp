// Page 0: adding, changing and deleting players. The rules and the table work are the core's
// (players/); these handlers read the form, call it, show its message and set the form.
#include <QSignalBlocker>
#include <initializer_list>

#include "app/checked_change.h"
#include "app/control_names.h"
#include "app/press_hook.h"
#include "app/storable_text.h"
#include "app/tabla.h"
#include "players/add_player.h"
#include "players/change_player.h"
#include "players/player_list.h"
#include "players/player_text.h"

namespace kvadrix::app {
namespace {

enum class FormMode { kAdd, kModify, kDelete };

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

int32_t CheckedLevel(const TablaControls& ui) {
  if (ui.RBujh->isChecked()) return 2;
  if (ui.RBujm->isChecked()) return 3;
  return 1;
}

void CheckLevel(TablaControls& ui, int32_t szint) {
  QRadioButton* const buttons[] = {ui.RBujk, ui.RBujh, ui.RBujm};
  if (szint >= 1 && szint <= 3) buttons[szint - 1]->setChecked(true);
}

void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

// Switches the shared group box into one of its three modes.
void EnterFormMode(TablaControls& ui, FormMode mode) {
  const bool add = mode == FormMode::kAdd;
  const bool modify = mode == FormMode::kModify;
  const bool remove = mode == FormMode::kDelete;
  ui.GBuj->setEnabled(true);
  ui.GBuj->setTitle(add      ? QStringLiteral("Új játékos adatainak felvitele ")
                    : modify ? QStringLiteral("Egy játékos adatainak módosítása: ")
                             : QStringLiteral("Egy játékos törlése: "));
  ui.Lnev->setText(add ? QStringLiteral("Név /minimum 3 karakter/:")
                       : QStringLiteral("Válasszon ki egy nevet:"));
  ui.Eujnev->clear();
  ui.Eujnev->setVisible(add);
  ui.dbnevek->setVisible(!add);
  ui.Ljelszo->setText(add      ? QStringLiteral("Jelszó:")
                      : modify ? QStringLiteral("Új jelszó:")
                               : QStringLiteral("Adja meg a jelszavát a törléshez:"));
  if (!modify) ui.Bjelszo->clear();  // a new password may already be typed before the change
  if (!remove) {
    ui.Ljelszo2->setText(add ? QStringLiteral("Jelszó újra:") : QStringLiteral("Új jelszó újra:"));
  }
  ui.Ljelszo2->setVisible(!remove);
  ui.Bjelszo2->setVisible(!remove);
  if (add) ui.Bjelszo2->clear();
  ui.LjelszoR->setVisible(modify);
  ui.BjelszoR->setVisible(modify);
  if (modify) ui.BjelszoR->clear();
  for (QWidget* widget : std::initializer_list<QWidget*>{ui.Lszint, ui.RBujk, ui.RBujh, ui.RBujm}) {
    widget->setVisible(!remove);
  }
  if (remove) {
    ui.SE->hide();
    ui.Lszin->hide();
  }
  ui.Bujfelvitel->setVisible(add);
  ui.Bmodosit->setVisible(modify);
  ui.Btorles->setVisible(remove);

  // Every label of the form is enabled by every mode; hidden ones stay hidden.
  SetEnabled(
      {ui.Lnev, ui.Eujnev, ui.Ljelszo, ui.Bjelszo, ui.Ljelszo2, ui.LjelszoR, ui.Lszin, ui.Lszint},
      true);
  if (!add) ui.dbnevek->setEnabled(true);
  if (!remove) SetEnabled({ui.Bjelszo2, ui.SE, ui.RBujk, ui.RBujh, ui.RBujm}, true);
  if (modify) SetEnabled({ui.BjelszoR, ui.Bmodosit}, true);
  NameUncaptionedControls(ui);  // the edits are named after the captions just set
  (add ? static_cast<QWidget*>(ui.Eujnev) : ui.dbnevek)->setFocus();
}

// After a stored add or change the form goes quiet until the next mode is chosen.
void CloseForm(TablaControls& ui) {
  ui.GBuj->setEnabled(false);
  ui.Eujnev->clear();
  SetEnabled({ui.Eujnev, ui.Bjelszo, ui.Bjelszo2, ui.SE, ui.Lnev, ui.Ljelszo, ui.Ljelszo2, ui.Lszin,
              ui.Lszint, ui.RBujk, ui.RBujh, ui.RBujm, ui.Bujfelvitel},
             false);
}

}  // namespace

void TTabla::ConnectPlayerHandlers() {
  connect(ui_.Bhozza, &QPushButton::clicked, this, Guard([this] { BhozzaClick(); }));
  connect(ui_.Bmod, &QPushButton::clicked, this, Guard([this] { BmodClick(); }));
  connect(ui_.Btorol, &QPushButton::clicked, this, Guard([this] { BtorolClick(); }));
  connect(ui_.Bujfelvitel, &QPushButton::clicked, this, Guard([this] { BujfelvitelClick(); }));
  connect(ui_.Bmodosit, &QPushButton::clicked, this, Guard([this] { BmodositClick(); }));
  connect(ui_.Btorles, &QPushButton::clicked, this, Guard([this] { BtorlesClick(); }));
  connect(ui_.Btovabb, &QPushButton::clicked, this, Guard([this] { BtovabbClick(); }));
  connect(ui_.Mnevek, &QListWidget::itemClicked, this, Guard([this] { MnevekClick(); }));
  connect(ui_.dbnevek, &QComboBox::activated, this, Guard([this] { dbnevekClick(); }));
  connect(ui_.TB, &QTabWidget::currentChanged, this,
          [this](int page) { Guarded([this, page] { TBClick(page); }); });

  // Refused characters are caught before the handlers below see the text.
  const auto inform = [this](const std::string& text) { Inform(text); };
  RefuseUnstorableText(ui_.Eujnev, std::string(players::kNameNotStorable), inform);
  for (QLineEdit* edit : {ui_.Bjelszo, ui_.Bjelszo2, ui_.BjelszoR}) {
    RefuseUnstorableText(edit, std::string(players::kPasswordNotStorable), inform);
  }
  connect(ui_.Eujnev, &QLineEdit::textChanged, this, Guard([this] { EujnevChange(); }));
  OnMousePress(ui_.Bjelszo, Guard([this] { BjelszoClick(); }));
  OnMousePress(ui_.Bjelszo2, Guard([this] { BjelszoClick(); }));
}

void TTabla::BhozzaClick() {
  EnterFormMode(ui_, FormMode::kAdd);
  EujnevChange();  // an empty name box keeps "Felvitel" off even when it was empty already
}

void TTabla::BmodClick() {
  FillNameLookup();
  EnterFormMode(ui_, FormMode::kModify);
}

void TTabla::BtorolClick() {
  FillNameLookup();
  EnterFormMode(ui_, FormMode::kDelete);
}

void TTabla::EujnevChange() {
  ui_.Bujfelvitel->setEnabled(players::NameLongEnough(Text(ui_.Eujnev)));
}

void TTabla::BjelszoClick() { ui_.Bjelszo2->clear(); }

void TTabla::MnevekClick() {
  if (const QListWidgetItem* item = ui_.Mnevek->currentItem()) ui_.Ekiv->setText(item->text());
  ui_.Btovabb->setFocus();
}

void TTabla::BujfelvitelClick() {
  const players::NewPlayer player{Text(ui_.Eujnev), Text(ui_.Bjelszo), Text(ui_.Bjelszo2),
                                  ui_.SE->value(), CheckedLevel(ui_)};
  const players::AddOutcome added =
      players::AddPlayer(cdsjatekosok_, work_dir_, player, clock_, random_);
  if (!added.done) {
    Inform(added.message);
    return;
  }
  ReloadPlayerList();
  ui_.Btovabb->setEnabled(true);
  ui_.Btovabb->setFocus();
  Inform(added.message);
  ui_.Ekiv->setText(QString::fromStdString(player.name));
  CloseForm(ui_);
  SetEnabled({ui_.Bmod, ui_.Btorol}, true);
}

void TTabla::dbnevekClick() {
  const std::string name = ui_.dbnevek->currentText().toStdString();
  if (name.empty()) return;
  const std::optional<players::PlayerRow> row = players::LocatePlayer(cdsjatekosok_, name);
  if (!row || ui_.RBujk->isHidden()) return;  // the level is only offered in ModifyMode
  ui_.SE->setValue(row->szin);
  CheckLevel(ui_, row->szint);
}

void TTabla::BmodositClick() {
  const players::PlayerChange change{ui_.dbnevek->currentText().toStdString(),
                                     Text(ui_.BjelszoR),
                                     Text(ui_.Bjelszo),
                                     Text(ui_.Bjelszo2),
                                     ui_.SE->value(),
                                     CheckedLevel(ui_)};
  const Outcome changed = players::ModifyPlayer(cdsjatekosok_, work_dir_, change);
  Inform(changed.message);
  if (changed.message == players::kPlayerGone) FollowDeletion();
  if (!changed.done) return;
  ui_.Ekiv->setText(QString::fromStdString(change.chosen_name));
  CloseForm(ui_);
  SetEnabled({ui_.BjelszoR, ui_.LjelszoR, ui_.Bmodosit, ui_.dbnevek}, false);
  ui_.Btovabb->setEnabled(true);
  ui_.Btovabb->setFocus();
}

void TTabla::BtorlesClick() {
  const Outcome deleted =
      players::DeletePlayer({cdsjatekosok_, cdsEredmenyek_, cdsUtolso_}, work_dir_,
                            ui_.dbnevek->currentText().toStdString(), Text(ui_.Bjelszo));
  Inform(deleted.message);
  if (deleted.message == players::kPlayerGone) FollowDeletion();
  if (!deleted.done) return;
  ReloadPlayerList();
  FillNameLookup();  // DeleteMode stays on; the deleted name is no longer offered
}

// Told that another window deleted the player: she is offered nowhere any more.
void TTabla::FollowDeletion() {
  ReloadPlayerListFollowingChoice();
  FillNameLookup();
}

// The name drop-down lists the PlayerTable's names; a name still listed stays chosen.
void TTabla::FillNameLookup() {
  const QString chosen = ui_.dbnevek->currentText();
  const QSignalBlocker quiet(ui_.dbnevek);
  ui_.dbnevek->clear();
  for (const std::string& name : players::PlayerNames(cdsjatekosok_)) {
    ui_.dbnevek->addItem(QString::fromStdString(name));
  }
  ui_.dbnevek->setCurrentIndex(ui_.dbnevek->findText(chosen, Qt::MatchExactly));
}

}  // namespace kvadrix::app
