#include "app/player_form.h"

#include <QSignalBlocker>
#include <initializer_list>

#include "app/control_names.h"
#include "app/handler_guard.h"
#include "app/names_page.h"
#include "app/press_hook.h"
#include "app/storable_text.h"
#include "app/widget_factory.h"
#include "players/add_player.h"
#include "players/change_player.h"
#include "players/player_list.h"
#include "players/player_text.h"
#include "widgets/ui_look.h"

namespace kvadrix::app {
namespace {

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

int32_t CheckedLevel(const PlayerForm::Controls& ui) {
  if (ui.RBujh->isChecked()) return 2;
  if (ui.RBujm->isChecked()) return 3;
  return 1;
}

void CheckLevel(PlayerForm::Controls& ui, int32_t szint) {
  QRadioButton* const buttons[] = {ui.RBujk, ui.RBujh, ui.RBujm};
  if (szint >= 1 && szint <= 3) buttons[szint - 1]->setChecked(true);
}

void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

}  // namespace

PlayerForm::PlayerForm(QWidget* page, NamesPage& names, TableSet& tables, HandlerGuard& guard,
                       const Clock& clock, RandomSource& random)
    : names_(names), tables_(tables), guard_(guard), clock_(clock), random_(random) {
  Build(page);
  NameControls();
  Connect();
}

void PlayerForm::Build(QWidget* page) {
  ui_.GBuj = MakeGroup(page, "GBuj", QStringLiteral("Új játékos adatainak felvitele "),
                       QRect(450, 36, 285, 264));
  ui_.GBuj->setEnabled(false);
  QWidget* form = ui_.GBuj;
  ui_.Lnev = MakeYellowLabel(form, "Lnev", QStringLiteral("Név /minimum 3 karakter/:"),
                             QRect(12, 26, 140, 16));
  ui_.Eujnev = Named(new QLineEdit(form), "Eujnev", QRect(150, 22, 120, 22));
  ui_.Eujnev->setMaxLength(10);
  ui_.dbnevek = Named(new QComboBox(form), "dbnevek", QRect(150, 22, 120, 22));
  ui_.dbnevek->hide();
  ui_.LjelszoR =
      MakeYellowLabel(form, "LjelszoR", QStringLiteral("Jelszó:"), QRect(12, 58, 136, 16));
  ui_.BjelszoR = MakePasswordEdit(form, "BjelszoR", QRect(150, 54, 120, 22), 10);
  ui_.LjelszoR->hide();
  ui_.BjelszoR->hide();
  // Two lines high: the delete form asks "Adja meg a jelszavát a törléshez:" here.
  ui_.Ljelszo = MakeYellowLabel(form, "Ljelszo", QStringLiteral("Jelszó:"), QRect(12, 80, 136, 34));
  ui_.Ljelszo->setWordWrap(true);
  ui_.Bjelszo = MakePasswordEdit(form, "Bjelszo", QRect(150, 86, 120, 22), 10);
  ui_.Ljelszo2 =
      MakeYellowLabel(form, "Ljelszo2", QStringLiteral("Jelszó újra:"), QRect(12, 122, 136, 16));
  ui_.Bjelszo2 = MakePasswordEdit(form, "Bjelszo2", QRect(150, 118, 120, 22), 10);
  ui_.Lszin = MakeYellowLabel(form, "Lszin", QStringLiteral("Szín:"), QRect(12, 150, 60, 16));
  ui_.SE = Named(new QSpinBox(form), "SE", QRect(80, 148, 50, 22));
  ui_.SE->setRange(1, 2);
  ui_.SE->setValue(1);
  ui_.Lszin->hide();
  ui_.SE->hide();
  ui_.Lszint = MakeYellowLabel(form, "Lszint", QStringLiteral("Szint:"), QRect(12, 154, 136, 16));
  ui_.RBujk = MakeRadio(form, "RBujk", QStringLiteral("Kezdő"), {}, QRect(150, 150, 120, 20), true);
  ui_.RBujh =
      MakeRadio(form, "RBujh", QStringLiteral("Haladó"), {}, QRect(150, 172, 120, 20), false);
  ui_.RBujm =
      MakeRadio(form, "RBujm", QStringLiteral("Mester"), {}, QRect(150, 194, 120, 20), false);
  for (QRadioButton* radio : {ui_.RBujk, ui_.RBujh, ui_.RBujm}) {
    widgets::SetCaptionColour(radio, widgets::kLightYellow);
  }
  const QRect action_place(150, 226, 120, 27);
  ui_.Bujfelvitel = MakeButton(form, "Bujfelvitel", QStringLiteral("Felvitel"), action_place);
  ui_.Bmodosit = MakeButton(form, "Bmodosit", QStringLiteral("Módosít"), action_place);
  ui_.Btorles = MakeButton(form, "Btorles", QStringLiteral("Törlés"), action_place);
  ui_.Bmodosit->hide();
  ui_.Btorles->hide();
  for (QWidget* widget : std::initializer_list<QWidget*>{
           ui_.Lnev, ui_.Eujnev, ui_.Ljelszo, ui_.Bjelszo, ui_.Ljelszo2, ui_.Bjelszo2, ui_.Lszin,
           ui_.SE, ui_.Lszint, ui_.RBujk, ui_.RBujh, ui_.RBujm, ui_.Bujfelvitel}) {
    widget->setEnabled(false);
  }
}

void PlayerForm::Connect() {
  connect(ui_.Bujfelvitel, &QPushButton::clicked, this,
          guard_.Wrap([this] { BujfelvitelClick(); }));
  connect(ui_.Bmodosit, &QPushButton::clicked, this, guard_.Wrap([this] { BmodositClick(); }));
  connect(ui_.Btorles, &QPushButton::clicked, this, guard_.Wrap([this] { BtorlesClick(); }));
  connect(ui_.dbnevek, &QComboBox::activated, this, guard_.Wrap([this] { dbnevekClick(); }));
  // Refused characters are caught before the handlers below see the text.
  const auto inform = [this](const std::string& text) { guard_.Inform(text); };
  RefuseUnstorableText(ui_.Eujnev, std::string(players::kNameNotStorable), inform);
  for (QLineEdit* edit : {ui_.Bjelszo, ui_.Bjelszo2, ui_.BjelszoR}) {
    RefuseUnstorableText(edit, std::string(players::kPasswordNotStorable), inform);
  }
  connect(ui_.Eujnev, &QLineEdit::textChanged, this, guard_.Wrap([this] { EujnevChange(); }));
  OnMousePress(ui_.Bjelszo, guard_.Wrap([this] { BjelszoClick(); }));
  OnMousePress(ui_.Bjelszo2, guard_.Wrap([this] { BjelszoClick(); }));
}

void PlayerForm::NameControls() {
  // One caption for two boxes in one place: the name is typed in one, chosen in the other.
  NameAfterCaption(ui_.Eujnev, ui_.Lnev);
  NameAfterCaption(ui_.dbnevek, ui_.Lnev);
  if (!ui_.dbnevek->isVisibleTo(ui_.GBuj)) ui_.Lnev->setBuddy(ui_.Eujnev);
  NameAfterCaption(ui_.Bjelszo, ui_.Ljelszo);
  NameAfterCaption(ui_.Bjelszo2, ui_.Ljelszo2);
  NameAfterCaption(ui_.BjelszoR, ui_.LjelszoR);
  NameAfterCaption(ui_.SE, ui_.Lszin);
}

void PlayerForm::Open(Mode mode) {
  if (mode == Mode::kAdd) {
    EnterMode(mode);
    EujnevChange();  // an empty name box keeps "Felvitel" off even when it was empty already
    return;
  }
  FillNameLookup();
  EnterMode(mode);
}

void PlayerForm::FollowPlayerList() {
  if (ui_.dbnevek->isVisible()) FillNameLookup();
}

// Switches the shared group box into one of its three modes.
void PlayerForm::EnterMode(Mode mode) {
  const bool add = mode == Mode::kAdd;
  const bool modify = mode == Mode::kModify;
  const bool remove = mode == Mode::kDelete;
  ui_.GBuj->setEnabled(true);
  ui_.GBuj->setTitle(add      ? QStringLiteral("Új játékos adatainak felvitele ")
                     : modify ? QStringLiteral("Egy játékos adatainak módosítása: ")
                              : QStringLiteral("Egy játékos törlése: "));
  ui_.Lnev->setText(add ? QStringLiteral("Név /minimum 3 karakter/:")
                        : QStringLiteral("Válasszon ki egy nevet:"));
  ui_.Eujnev->clear();
  ui_.Eujnev->setVisible(add);
  ui_.dbnevek->setVisible(!add);
  ui_.Ljelszo->setText(add      ? QStringLiteral("Jelszó:")
                       : modify ? QStringLiteral("Új jelszó:")
                                : QStringLiteral("Adja meg a jelszavát a törléshez:"));
  if (!modify) ui_.Bjelszo->clear();  // a new password may already be typed before the change
  if (!remove) {
    ui_.Ljelszo2->setText(add ? QStringLiteral("Jelszó újra:") : QStringLiteral("Új jelszó újra:"));
  }
  ui_.Ljelszo2->setVisible(!remove);
  ui_.Bjelszo2->setVisible(!remove);
  if (add) ui_.Bjelszo2->clear();
  ui_.LjelszoR->setVisible(modify);
  ui_.BjelszoR->setVisible(modify);
  if (modify) ui_.BjelszoR->clear();
  for (QWidget* widget :
       std::initializer_list<QWidget*>{ui_.Lszint, ui_.RBujk, ui_.RBujh, ui_.RBujm}) {
    widget->setVisible(!remove);
  }
  if (remove) {
    ui_.SE->hide();
    ui_.Lszin->hide();
  }
  ui_.Bujfelvitel->setVisible(add);
  ui_.Bmodosit->setVisible(modify);
  ui_.Btorles->setVisible(remove);

  // Every label of the form is enabled by every mode; hidden ones stay hidden.
  SetEnabled({ui_.Lnev, ui_.Eujnev, ui_.Ljelszo, ui_.Bjelszo, ui_.Ljelszo2, ui_.LjelszoR, ui_.Lszin,
              ui_.Lszint},
             true);
  if (!add) ui_.dbnevek->setEnabled(true);
  if (!remove) SetEnabled({ui_.Bjelszo2, ui_.SE, ui_.RBujk, ui_.RBujh, ui_.RBujm}, true);
  if (modify) SetEnabled({ui_.BjelszoR, ui_.Bmodosit}, true);
  NameControls();  // the edits are named after the captions just set
  (add ? static_cast<QWidget*>(ui_.Eujnev) : ui_.dbnevek)->setFocus();
}

void PlayerForm::Close() {
  ui_.GBuj->setEnabled(false);
  ui_.Eujnev->clear();
  SetEnabled({ui_.Eujnev, ui_.Bjelszo, ui_.Bjelszo2, ui_.SE, ui_.Lnev, ui_.Ljelszo, ui_.Ljelszo2,
              ui_.Lszin, ui_.Lszint, ui_.RBujk, ui_.RBujh, ui_.RBujm, ui_.Bujfelvitel},
             false);
}

void PlayerForm::EujnevChange() {
  ui_.Bujfelvitel->setEnabled(players::NameLongEnough(Text(ui_.Eujnev)));
}

void PlayerForm::BjelszoClick() { ui_.Bjelszo2->clear(); }

void PlayerForm::BujfelvitelClick() {
  const players::NewPlayer player{Text(ui_.Eujnev), Text(ui_.Bjelszo), Text(ui_.Bjelszo2),
                                  ui_.SE->value(), CheckedLevel(ui_)};
  const players::AddOutcome added =
      players::AddPlayer(tables_.cdsjatekosok, tables_.work_dir, player, clock_, random_);
  if (!added.done) {
    guard_.Inform(added.message);
    return;
  }
  names_.ReloadPlayerList();
  const NamesPage::Controls& page = names_.controls();
  page.Btovabb->setEnabled(true);
  page.Btovabb->setFocus();
  guard_.Inform(added.message);
  page.Ekiv->setText(QString::fromStdString(player.name));
  Close();
  SetEnabled({page.Bmod, page.Btorol}, true);
}

void PlayerForm::dbnevekClick() {
  const std::string name = ui_.dbnevek->currentText().toStdString();
  if (name.empty()) return;
  const std::optional<players::PlayerRow> row = players::LocatePlayer(tables_.cdsjatekosok, name);
  if (!row || ui_.RBujk->isHidden()) return;  // the level is only offered in ModifyMode
  ui_.SE->setValue(row->szin);
  CheckLevel(ui_, row->szint);
}

void PlayerForm::BmodositClick() {
  const players::PlayerChange change{ui_.dbnevek->currentText().toStdString(),
                                     Text(ui_.BjelszoR),
                                     Text(ui_.Bjelszo),
                                     Text(ui_.Bjelszo2),
                                     ui_.SE->value(),
                                     CheckedLevel(ui_)};
  const Outcome changed = players::ModifyPlayer(tables_.cdsjatekosok, tables_.work_dir, change);
  guard_.Inform(changed.message);
  if (changed.message == players::kPlayerGone) FollowDeletion();
  if (!changed.done) return;
  const NamesPage::Controls& page = names_.controls();
  page.Ekiv->setText(QString::fromStdString(change.chosen_name));
  Close();
  SetEnabled({ui_.BjelszoR, ui_.LjelszoR, ui_.Bmodosit, ui_.dbnevek}, false);
  page.Btovabb->setEnabled(true);
  page.Btovabb->setFocus();
}

void PlayerForm::BtorlesClick() {
  const Outcome deleted =
      players::DeletePlayer(tables_.Players(), tables_.work_dir,
                            ui_.dbnevek->currentText().toStdString(), Text(ui_.Bjelszo));
  guard_.Inform(deleted.message);
  if (deleted.message == players::kPlayerGone) FollowDeletion();
  if (!deleted.done) return;
  names_.ReloadPlayerList();
  FillNameLookup();  // DeleteMode stays on; the deleted name is no longer offered
}

// Told that another window deleted the player: she is offered nowhere any more.
void PlayerForm::FollowDeletion() {
  names_.ReloadPlayerListFollowingChoice();
  FillNameLookup();
}

// The name drop-down lists the PlayerTable's names; a name still listed stays chosen.
void PlayerForm::FillNameLookup() {
  const QString chosen = ui_.dbnevek->currentText();
  const QSignalBlocker quiet(ui_.dbnevek);
  ui_.dbnevek->clear();
  for (const std::string& name : players::PlayerNames(tables_.cdsjatekosok)) {
    ui_.dbnevek->addItem(QString::fromStdString(name));
  }
  ui_.dbnevek->setCurrentIndex(ui_.dbnevek->findText(chosen, Qt::MatchExactly));
}

}  // namespace kvadrix::app
