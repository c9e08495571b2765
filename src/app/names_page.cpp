#include "app/names_page.h"

#include "app/control_names.h"
#include "app/handler_guard.h"
#include "app/player_form.h"
#include "app/widget_factory.h"
#include "players/player_list.h"
#include "tables/file_io.h"
#include "widgets/ui_look.h"

namespace kvadrix::app {

NamesPage::NamesPage(QWidget* page, TableSet& tables, HandlerGuard& guard, const Clock& clock,
                     RandomSource& random, EnterPlay enter_play)
    : tables_(tables), guard_(guard), enter_play_(std::move(enter_play)) {
  Build(page);
  form_ = std::make_unique<PlayerForm>(page, *this, tables, guard, clock, random);
  NameAfterCaption(ui_.Ekiv, ui_.Label3);
  NameControl(ui_.Mnevek, QStringLiteral("Játékosok"));
  connect(ui_.Bhozza, &QPushButton::clicked, this, guard.Wrap([this] { BhozzaClick(); }));
  connect(ui_.Bmod, &QPushButton::clicked, this, guard.Wrap([this] { BmodClick(); }));
  connect(ui_.Btorol, &QPushButton::clicked, this, guard.Wrap([this] { BtorolClick(); }));
  connect(ui_.Btovabb, &QPushButton::clicked, this, guard.Wrap([this] { BtovabbClick(); }));
  connect(ui_.Mnevek, &QListWidget::itemClicked, this, guard.Wrap([this] { MnevekClick(); }));
}

NamesPage::~NamesPage() = default;

void NamesPage::Build(QWidget* page) {
  ui_.Label3 = MakeYellowLabel(page, "Label3", QStringLiteral("Kiválasztott játékos:"),
                               QRect(40, 36, 200, 18), 13, true);
  ui_.Ekiv = Named(new QLineEdit(page), "Ekiv", QRect(40, 58, 180, 24));
  ui_.Ekiv->setFont(widgets::UiFont(13, true));
  ui_.Label4 = MakeYellowLabel(page, "Label4", QStringLiteral("/Max. 5 játékos játszhat!!!/"),
                               QRect(40, 88, 200, 16));

  ui_.GroupBox2 =
      MakeGroup(page, "GroupBox2", QStringLiteral("Tevékenységek "), QRect(40, 116, 180, 132));
  ui_.Bhozza =
      MakeButton(ui_.GroupBox2, "Bhozza", QStringLiteral("Hozzáad"), QRect(20, 24, 140, 27));
  ui_.Bmod = MakeButton(ui_.GroupBox2, "Bmod", QStringLiteral("Módosít"), QRect(20, 58, 140, 27));
  ui_.Btorol = MakeButton(ui_.GroupBox2, "Btorol", QStringLiteral("Töröl"), QRect(20, 92, 140, 27));
  ui_.Btovabb = MakeButton(page, "Btovabb", QStringLiteral("Tovább"), QRect(40, 262, 180, 38));
  ui_.Btovabb->setFont(widgets::UiFont(15, true));

  ui_.Mnevek = Named(new QListWidget(page), "Mnevek", QRect(250, 58, 170, 242));
  ui_.Mnevek->setFont(widgets::UiFont(13));
}

std::vector<QWidget*> NamesPage::KeyedControls() const {
  return {ui_.Btovabb, ui_.Bhozza, ui_.Bmod, ui_.Btorol};
}

void NamesPage::ListPlayersAtStart() {
  if (tables::EntryExists(tables_.File(players::kPlayerFile))) {
    guard_.Run([this] {
      ReloadPlayerList();
      if (player_count_ != 0) ui_.Ekiv->setText(ui_.Mnevek->item(0)->text());
    });
  } else {
    tables_.cdsjatekosok.CreateDataSet();
    ui_.Bmod->setEnabled(false);
    ui_.Btorol->setEnabled(false);
    ui_.Btovabb->setEnabled(false);
  }
}

void NamesPage::FocusFirstButton() {
  if (tables_.cdsjatekosok.Active()) {
    (tables_.cdsjatekosok.RecordCount() >= 1 ? ui_.Btovabb : ui_.Bhozza)->setFocus();
  }
}

void NamesPage::ReloadPlayerList() {
  const std::vector<std::string> names =
      players::ReloadPlayerList(tables_.cdsjatekosok, tables_.work_dir);
  ui_.Mnevek->clear();
  player_count_ = int(names.size());
  if (names.empty()) {
    ui_.Bmod->setEnabled(false);
    ui_.Btorol->setEnabled(false);
  } else {
    // A window started without players lists those another window added since: usable.
    for (QWidget* button : {ui_.Bmod, ui_.Btorol, ui_.Btovabb}) button->setEnabled(true);
  }
  for (const std::string& name : names) ui_.Mnevek->addItem(QString::fromStdString(name));
  // Five is the limit, not a one-way door: a deletion below it allows adding again.
  ui_.Bhozza->setEnabled(player_count_ < players::kMaxPlayers);
}

// The first listed player is chosen instead, as at start. A typed name stays.
void NamesPage::ReloadPlayerListFollowingChoice() {
  const auto listed = [this] {
    return !ui_.Mnevek->findItems(ui_.Ekiv->text(), Qt::MatchExactly).isEmpty();
  };
  const bool was_listed = listed();
  ReloadPlayerList();
  if (was_listed && !listed()) {
    ui_.Ekiv->setText(player_count_ > 0 ? ui_.Mnevek->item(0)->text() : QString());
  }
}

void NamesPage::FollowPlayerList() {
  if (!tables_.cdsjatekosok.Active()) return;
  if (!tables_.Follow(tables_.cdsjatekosok, players::kPlayerFile)) return;
  guard_.Run([this] {
    ReloadPlayerListFollowingChoice();
    form_->FollowPlayerList();
  });
}

void NamesPage::BhozzaClick() { form_->Open(PlayerForm::Mode::kAdd); }

void NamesPage::BmodClick() { form_->Open(PlayerForm::Mode::kModify); }

void NamesPage::BtorolClick() { form_->Open(PlayerForm::Mode::kDelete); }

void NamesPage::MnevekClick() {
  if (const QListWidgetItem* item = ui_.Mnevek->currentItem()) ui_.Ekiv->setText(item->text());
  ui_.Btovabb->setFocus();
}

void NamesPage::BtovabbClick() {
  const QString chosen = ui_.Ekiv->text();
  // The list shows whom the user chose from, whatever the table read since.
  const bool listed = !ui_.Mnevek->findItems(chosen, Qt::MatchExactly).isEmpty();
  const players::PlayerToEnter player = players::FindPlayerToEnter(
      tables_.cdsjatekosok, tables_.work_dir, chosen.toStdString(), listed);
  if (player.gone) {
    ReloadPlayerListFollowingChoice();
    guard_.Inform(players::kPlayerGone);
    return;
  }
  enter_play_(chosen, player);
}

}  // namespace kvadrix::app
